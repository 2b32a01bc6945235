#include "app/main_window.h"

#include "ui/device_balloons.h"
#include "ui/main_window_texts.h"
#include "ui/skin_files.h"
#include "ui/skin_font.h"
#include "ui/skin_image.h"
#include "ui/skin_paths.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace q417 {

namespace {

constexpr Rect kTitleRect{105, 51, 320, 99};
constexpr Rect kWebLinkRect{306, 596, 498, 616};
constexpr int kHoverDelayMs = 10;
constexpr QSize kFallbackSize{890, 660};

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

CPelmoraDlg::CPelmoraDlg(Configurator& model, TrayNotifier& tray)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::Tool)
    , model_(model)
    , tray_(tray) {
    setObjectName("VeskR22_KX417Class");
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    hoverTimer_.setSingleShot(true);
    hoverTimer_.setInterval(kHoverDelayMs);
    connect(&hoverTimer_, &QTimer::timeout, this, &CPelmoraDlg::onHoverTimeout);
    openUrl_ = [](const QString&) {
    };
}

void CPelmoraDlg::initialise() {
    const Language language = model_.ui().language;
    textFont_ = skinFont(q417::textFont(language));
    titleFont_ = skinFont(q417::titleFont(language));
    skinFolder_ = q417::skinFolder(model_.paths(), model_.ui().skinName);
    const std::filesystem::path background = skinImagePath(skinFolder_, skin::kMainBackground);
    if (model_.device().deviceReady()) {
        // The page covers the whole window at once: its background only gives the window its size.
        const std::optional<QSize> size = skinImageSize(background);
        setFixedSize(size.value_or(kFallbackSize));
        canvas_.reset(size.value_or(kFallbackSize));
        showBasicPage();
        return;
    }
    const std::optional<QImage> main = loadSkinBackground(*this, background);
    if (main) {
        canvas_.assign(*main);
    } else {
        // Without its background the window still needs a size that holds every frame button.
        setFixedSize(kFallbackSize);
        canvas_.reset(kFallbackSize);
    }
}

void CPelmoraDlg::showBasicPageIfReady() {
    if (model_.device().deviceReady() && !basicPageInitialised_) {
        showBasicPage();
    }
}

void CPelmoraDlg::deviceStatus(int code, int value) {
    const std::optional<Balloon> balloon =
        balloonFor(code, value, model_.ui().language, model_.config(), model_.device().image().sensorKind);
    if (balloon) {
        tray_.showBalloon(balloon->text, balloon->title, code == kStatusMouseNotDetected, balloon->timeoutMs);
    }
}

void CPelmoraDlg::showFromTray() {
    if (!model_.device().deviceReady()) {
        deviceStatus(kStatusMouseNotDetected, 0);
        return;
    }
    if (model_.takeCancelPending()) {
        if (page_ == Page::Basic) {
            model_.rereadUiSettings();
        }
        rebuildCurrentPage();
    } else if (!basicPageInitialised_) {
        showBasicPage();
    }
    showNormal();
    raise();
    activateWindow();
}

void CPelmoraDlg::rebuildCurrentPage() {
    // The skin may have changed since the page was built.
    skinFolder_ = q417::skinFolder(model_.paths(), model_.ui().skinName);
    const Page shown = page_;
    page_ = Page::Rebuilding;
    lit_.clear();
    if (shown == Page::Advanced) {
        showAdvancedPage();
    } else {
        showBasicPage();
    }
}

void CPelmoraDlg::showBasicPage() {
    lit_.clear(); // a page switch starts with every button in its normal look
    page_ = Page::Basic;
    basicPageInitialised_ = true;
    drawFrame(skin::kBasicPage, text(model_.ui().language, TextId::textBasicSettings));
    update();
}

void CPelmoraDlg::showAdvancedPage() {
    lit_.clear();
    page_ = Page::Advanced;
    drawFrame(skin::kAdvancedPage, text(model_.ui().language, TextId::textAdvancedSettings));
    update();
}

void CPelmoraDlg::drawFrame(std::string_view background, std::string_view title) {
    drawImage(background, 0, 0);
    drawText(kTitleRect, qs(title), titleFont_, Qt::AlignLeft | Qt::AlignVCenter);
    for (const FrameLook& look : kFrameHoverOrder) {
        drawFrameLook(look.button, false);
    }
    drawText(kWebLinkRect, qs(text(model_.ui().language, TextId::textWebAddress)), textFont_, Qt::AlignCenter);
}

void CPelmoraDlg::drawFrameLook(FrameButton button, bool hover) {
    for (const FrameLook& look : kFrameHoverOrder) {
        if (look.button != button) {
            continue;
        }
        const Rect r = frameRect(button);
        drawImage(hover ? look.hoverImage : look.normalImage, r.left, r.top);
        if (look.hasCaption) {
            drawText(r, frameCaption(button), textFont_, Qt::AlignCenter);
        }
    }
}

QString CPelmoraDlg::frameCaption(FrameButton button) const {
    const Language language = model_.ui().language;
    switch (button) {
    case FrameButton::Ok:
        return qs(text(language, TextId::textOk));
    case FrameButton::Apply:
        return qs(text(language, TextId::textApply));
    case FrameButton::Cancel:
        return qs(text(language, TextId::textCancel));
    default:
        return {};
    }
}

void CPelmoraDlg::drawImage(std::string_view name, int x, int y) {
    // Page images fail silently: a missing one simply leaves the canvas as it was.
    drawSkinImage(canvas_, skinImagePath(skinFolder_, name), QPoint(x, y));
}

void CPelmoraDlg::drawText(const Rect& rect, const QString& str, const QFont& font, Qt::Alignment align) {
    const auto& c = model_.ui().textColour;
    canvas_.drawText(rect, str, font, QColor(c[0], c[1], c[2]), align);
}

void CPelmoraDlg::paintEvent(QPaintEvent*) {
    QPainter(this).drawImage(0, 0, canvas_.image());
}

void CPelmoraDlg::dispatchClick(QPoint point) {
    const int x = point.x();
    const int y = point.y();
    for (const FrameRegion& region : kFrameClickOrder) {
        if (!region.rect.contains(x, y)) {
            continue;
        }
        switch (region.button) {
        case FrameButton::Ok:
            if (model_.apply()) {
                hideToTray();
            }
            break; // OK, Apply, skins and Cancel let the testing go on
        case FrameButton::Apply:
            model_.apply();
            break;
        case FrameButton::Skins:
            if (runSkinsDialog_ && runSkinsDialog_()) {
                rebuildCurrentPage();
                showNormal();
                raise();
            }
            break;
        case FrameButton::Minimise:
            hideToTray();
            return;
        case FrameButton::Close:
            emit exitRequested();
            return;
        case FrameButton::PreviousPage:
            showBasicPage();
            return;
        case FrameButton::NextPage:
            showAdvancedPage();
            return;
        case FrameButton::Cancel:
            model_.cancel();
            hideToTray();
            break;
        case FrameButton::WebLink:
            openUrl_(qs(text(model_.ui().language, TextId::textWebAddress)));
            return;
        }
    }
    // The pages' own regions come with the pages; a click that hits nothing moves the window.
    if (windowHandle() != nullptr) {
        windowHandle()->startSystemMove();
    }
}

void CPelmoraDlg::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dispatchClick(event->position().toPoint());
    }
}

void CPelmoraDlg::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (frameHoverAt(p.x(), p.y())) {
        hoverPoint_ = p;
        hoverTimer_.start();
        return;
    }
    hoverTimer_.stop();
    restoreNormalLooks();
}

void CPelmoraDlg::onHoverTimeout() {
    const std::optional<FrameButton> button = frameHoverAt(hoverPoint_.x(), hoverPoint_.y());
    if (!button) {
        return;
    }
    drawFrameLook(*button, true);
    for (const FrameLook& look : kFrameHoverOrder) {
        if (look.button != *button) {
            continue;
        }
        for (const std::optional<FrameButton>& partner : look.partners) {
            if (partner && lit_.erase(*partner) != 0) {
                drawFrameLook(*partner, false);
            }
        }
    }
    lit_.insert(*button);
    update();
}

void CPelmoraDlg::restoreNormalLooks() {
    if (lit_.empty()) {
        return;
    }
    for (const FrameButton button : lit_) {
        drawFrameLook(button, false);
    }
    lit_.clear();
    update();
}

void CPelmoraDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Escape) {
        hideToTray();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CPelmoraDlg::closeEvent(QCloseEvent* event) {
    event->ignore();
    hideToTray();
}

void CPelmoraDlg::changeEvent(QEvent* event) {
    // Minimising from the desktop hides to the tray as the window's own minimise button does.
    if (event->type() == QEvent::WindowStateChange && isMinimized() && !hideMinimises_) {
        QTimer::singleShot(0, this, &CPelmoraDlg::hide);
    }
    QWidget::changeEvent(event);
}

void CPelmoraDlg::hideToTray() {
    if (hideMinimises_) {
        showMinimized();
    } else {
        hide();
    }
}

} // namespace q417
