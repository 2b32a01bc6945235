#include "app/main_window.h"

#include "config/device_commands.h"
#include "pages/basic_page_rules.h"
#include "skin/skin_choice.h"
#include "skin/skin_files.h"
#include "skin/skin_font.h"
#include "skin/skin_image.h"
#include "skin/skin_paths.h"
#include "texts/device_balloons.h"
#include "texts/main_window_texts.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <algorithm>

namespace q417 {

namespace {

constexpr Rect kTitleRect{105, 51, 320, 99};
constexpr Rect kWebLinkRect{306, 596, 498, 616};
constexpr QSize kFallbackSize{890, 660};
// How long a desktop usually shows a notification; no balloon goes sooner.
constexpr int kMinBalloonMs = 5000;

} // namespace

MainWindow::MainWindow(Configurator& model, TrayNotifier& tray, MessageSink& messages, DialogRunner& dialogs)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::Tool)
    , model_(model)
    , tray_(tray)
    , messages_(messages)
    , dialogs_(dialogs)
    , surface_(new SkinnedSurface(*this, [this](int element, bool lit) { paintLook(element, lit); }))
    , painter_(surface_->canvas())
    , macroLibrary_(model.paths().macroLibrary()) {
    setObjectName("VeskR22_KX417Class");
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    surface_->setElements(frameHoverElements());
    openUrl_ = [](const QString&) {
    };
}

void MainWindow::initialise() {
    startProblem_ = model_.ui().problem;
    applySkin();
    basicPage_ = new BasicPage({.window = *this,
                                .painter = painter_,
                                .config = model_.config(),
                                .labels = model_.labels(),
                                .image = model_.device().image(),
                                .language = model_.ui().language,
                                .messages = messages_,
                                .dialogs = dialogs_,
                                .dialogHost = [this] {
                                    return dialogHost();
                                }});
    connect(basicPage_, &BasicPage::changed, this, qOverload<>(&QWidget::update));
    MacroEditorContext macros{.window = *this,
                              .painter = painter_,
                              .config = model_.config(),
                              .labels = model_.labels(),
                              .language = model_.ui().language,
                              .messages = messages_,
                              .dialogs = dialogs_,
                              .dialogHost = [this] { return dialogHost(); },
                              .library = macroLibrary_,
                              .keyNames = keyNames_};
    advancedPage_ = new AdvancedPage({.macros = std::move(macros), .pointer = model_.pointer()});
    connect(advancedPage_, &AdvancedPage::changed, this, qOverload<>(&QWidget::update));
    const std::filesystem::path background = skinImagePath(painter_.skinFolder(), skin::kMainBackground);
    if (model_.device().deviceReady()) {
        // The page covers the whole window at once: its background only gives the window its size.
        const QSize size = skinImageSize(background).value_or(kFallbackSize);
        setFixedSize(size);
        surface_->canvas().reset(size);
        showBasicPage();
        return;
    }
    // Decoded once, through the cache the frame is drawn from too.
    if (const QImage* main = painter_.images().image(background)) {
        setFixedSize(main->size());
        surface_->canvas().assign(*main);
    } else {
        // Without its background the window still needs a size that holds every frame button.
        setFixedSize(kFallbackSize);
        surface_->canvas().reset(kFallbackSize);
    }
}

void MainWindow::drawBareFrame() {
    if (page_ != nullptr) {
        return; // a page draws the frame itself
    }
    // Until the mouse is found the window shows its frame, so it can always be closed or skinned.
    painter_.background(skin::kMainBackground);
    drawFrame();
    update();
}

void MainWindow::drawFrame() {
    ensureFonts();
    for (const FrameLook& look : kFrameHoverOrder) {
        drawFrameLook(look.button, false);
    }
    painter_.text(kWebLinkRect, text(model_.ui().language, TextId::WebAddress), Qt::AlignCenter);
}

void MainWindow::applySkin() {
    fontsReady_ = false; // the colour may have changed
    if (skinChosenFor_ == model_.ui().skinName) {
        return; // the same skin asked for again: already checked, and any problem already said
    }
    skinChosenFor_ = model_.ui().skinName;
    const UsableSkin choice =
        chooseUsableSkin(model_.paths().skinRoots(), model_.ui().skinName, [](const std::filesystem::path& folder) {
            const std::optional<QSize> size = skinImageSize(skinImagePath(folder, skin::kMainBackground));
            return size ? std::optional(std::pair{size->width(), size->height()}) : std::nullopt;
        });
    painter_.setSkinFolder(choice.folder.value_or(q417::skinFolder(model_.paths(), {})));
    // A window drawn from another skin than asked for needs a reason, said once.
    std::string problem = std::exchange(startProblem_, {});
    if (!choice.problem.empty()) {
        problem += (problem.empty() ? "" : "\n") + choice.problem;
    }
    if (!problem.empty()) {
        messages_.showMessage(problem, "Warning");
    }
}

void MainWindow::ensureFonts() {
    // Measuring a font loads it: done when the first text is drawn, not before the first frame.
    if (fontsReady_) {
        return;
    }
    const UiSettings& ui = model_.ui();
    textFont_ = skinFont(q417::textFont(ui.language));
    titleFont_ = skinFont(q417::titleFont(ui.language));
    setFont(textFont_); // the lists take the window's font
    painter_.setLook(textFont_, titleFont_, QColor(ui.textColour[0], ui.textColour[1], ui.textColour[2]));
    fontsReady_ = true;
}

void MainWindow::showBasicPageIfReady() {
    if (model_.device().deviceReady() && !basicPageInitialised_) {
        showBasicPage();
    }
}

void MainWindow::deviceStatus(DeviceStatusCode code, int value) {
    const std::optional<Balloon> balloon =
        balloonFor(code, value, model_.ui().language, model_.config(), model_.device().image().sensorKind);
    if (code == DeviceStatusCode::MouseDetected && isVisible() && !basicPageInitialised_) {
        // A mouse found while the window is shown gets its page as at start-up, once the link's
        // own handshake is over.
        QTimer::singleShot(0, this, &MainWindow::showBasicPageIfReady);
    }
    if (balloon) {
        // The link's news is meant to flash, but a balloon gone before it can be read answers nothing.
        tray_.showBalloon(balloon->text, balloon->title, std::max(balloon->timeoutMs, kMinBalloonMs));
    }
}

void MainWindow::showFromTray() {
    if (!model_.device().deviceReady()) {
        deviceStatus(DeviceStatusCode::MouseNotDetected, 0);
        return;
    }
    if (model_.takeCancelPending()) {
        // Only the labels come back from str.ini: language, colour and skin stay as the run began
        // (or as the skins dialog set them).
        model_.rereadLabels();
        rebuildCurrentPage();
    } else if (!basicPageInitialised_) {
        showBasicPage();
    }
    showNormal();
    raise();
    activateWindow();
}

void MainWindow::showEditedSettings() {
    if (model_.device().deviceReady() && basicPageInitialised_) {
        rebuildCurrentPage();
    }
    showFromTray();
}

void MainWindow::showBasicPage() {
    if (shown_ == PageShown::Basic || basicPage_ == nullptr) {
        return;
    }
    switchTo(PageShown::Basic, *basicPage_);
}

void MainWindow::showAdvancedPage() {
    if (shown_ == PageShown::Advanced || advancedPage_ == nullptr) {
        return;
    }
    switchTo(PageShown::Advanced, *advancedPage_);
}

void MainWindow::switchTo(PageShown target, Page& page) {
    destroyPageControls();
    shown_ = target;
    page_ = &page;
    if (target == PageShown::Basic && !basicPageInitialised_) {
        initialiseBasicPage();
    }
    drawPage();
}

void MainWindow::destroyPageControls() {
    if (page_ != nullptr) {
        page_->destroyControls();
    }
}

void MainWindow::initialiseBasicPage() {
    // Once per run: the sensor decides the DPI table, and a first run gets its labels.
    basicPageInitialised_ = true;
    DeviceSession& device = model_.device();
    if (device.isOpen() && device.deviceReady()) {
        DeviceCommands(device.transport(), device.image()).refreshSensorBlock();
    }
    resetDpiLevelsForSensor(model_.config(), device.image().sensorKind);
    if (model_.firstRunFlag() == 0) {
        model_.labels() = defaultKeyLabels(model_.ui().language);
        model_.saveLabels();
    }
}

void MainWindow::rebuildCurrentPage() {
    if (page_ == nullptr) {
        return;
    }
    applySkin(); // the skin or the colour may have changed since the page was built
    destroyPageControls();
    drawPage();
}

void MainWindow::drawPage() {
    // A page switch starts with every button in its normal look.
    surface_->clearHover();
    ensureFonts(); // the title comes before the frame
    // Once a page is shown the bare background is not drawn again this run: no need to keep it.
    painter_.images().drop(skinImagePath(painter_.skinFolder(), skin::kMainBackground));
    painter_.background(page_->background());
    painter_.text(kTitleRect, text(model_.ui().language, page_->title()), Qt::AlignLeft | Qt::AlignVCenter,
                  PagePainter::Font::Title);
    drawFrame();
    page_->build();
    std::vector<HoverElement> elements = frameHoverElements();
    const std::vector<HoverElement> own = page_->hoverElements();
    elements.insert(elements.end(), own.begin(), own.end());
    surface_->setElements(std::move(elements));
    update();
}

void MainWindow::paintLook(int element, bool) {
    // Neighbours that share pixels (OK, Apply and Cancel share a column each) are drawn again in
    // their order and current look, so the picture is exactly as a fresh build would draw it.
    for (const int id : surface_->hover().overlapping(element)) {
        drawLook(id, surface_->isLit(id));
    }
}

void MainWindow::drawLook(int element, bool lit) {
    if (element >= kFirstPageElement) {
        if (page_ != nullptr) {
            page_->drawLook(element, lit);
        }
        return;
    }
    drawFrameLook(static_cast<FrameButton>(element), lit);
}

void MainWindow::drawFrameLook(FrameButton button, bool hover) {
    const FrameLook* look = frameLook(button);
    if (look == nullptr) {
        return;
    }
    const Rect r = frameRect(button);
    painter_.restore(r);
    painter_.image(hover ? look->hoverImage : look->normalImage, r);
    if (look->hasCaption) {
        painter_.qtext(r, frameCaption(button), Qt::AlignCenter);
    }
}

QString MainWindow::frameCaption(FrameButton button) const {
    const Language language = model_.ui().language;
    switch (button) {
    case FrameButton::Ok:
        return fromUtf8(text(language, TextId::Ok));
    case FrameButton::Apply:
        return fromUtf8(text(language, TextId::Apply));
    case FrameButton::Cancel:
        return fromUtf8(text(language, TextId::Cancel));
    default:
        return {};
    }
}

DialogHost MainWindow::dialogHost() {
    ensureFonts();
    const UiSettings& ui = model_.ui();
    return {DialogSkin{painter_.skinFolder(), ui.textColour, textFont_}, ui.language, mapToGlobal(QPoint(0, 0)), this};
}

void MainWindow::paintEvent(QPaintEvent*) {
    QPainter(this).drawImage(0, 0, surface_->canvas().image());
}

void MainWindow::dispatchClick(QPoint point) {
    if (page_ != nullptr) {
        page_->closeListsFor(point);
    }
    const int x = point.x();
    const int y = point.y();
    for (const FrameRegion& region : kFrameClickOrder) {
        if (!region.rect.contains(x, y)) {
            continue;
        }
        switch (region.button) {
        case FrameButton::Ok:
            if (applyAndReport()) {
                hideToTray();
            }
            break; // OK, Apply, skins and Cancel let the testing go on
        case FrameButton::Apply:
            applyAndReport();
            break;
        case FrameButton::Skins:
            runSkinsDialog();
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
            openUrl_(fromUtf8(text(model_.ui().language, TextId::WebAddress)));
            return;
        }
    }
    if (page_ != nullptr && page_->click(point)) {
        return;
    }
    // A click that hits nothing moves the window, as a press on a caption would.
    if (windowHandle() != nullptr) {
        windowHandle()->startSystemMove();
    }
}

bool MainWindow::applyAndReport() {
    const std::optional<ApplyOutcome> outcome = model_.apply();
    if (!outcome) {
        return false;
    }
    // The mouse read its macro slots back otherwise than they were sent: the user must know.
    if (const std::optional<Balloon> balloon =
            macroSlotsNotStoredBalloon(outcome->macroSlotsNotStored, model_.ui().language)) {
        tray_.showBalloon(balloon->text, balloon->title, balloon->timeoutMs);
    }
    return true;
}

void MainWindow::runSkinsDialog() {
    const std::optional<SkinChoice> choice =
        dialogs_.chooseSkin(dialogHost(), model_.paths().skinRoots(), model_.ui().skinName);
    if (!choice) {
        return;
    }
    model_.setSkin(choice->name, choice->colour);
    rebuildCurrentPage();
    showNormal();
    raise();
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dispatchClick(event->position().toPoint());
    }
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
    surface_->pointerMoved(event->position().toPoint());
}

void MainWindow::leaveEvent(QEvent* event) {
    surface_->pointerLeft();
    QWidget::leaveEvent(event);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Escape) {
        hideToTray();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    hideToTray();
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    if (openContextMenu_) {
        openContextMenu_(event->globalPos());
    }
}

void MainWindow::changeEvent(QEvent* event) {
    // Minimising from the desktop hides to the tray as the window's own minimise button does.
    if (event->type() == QEvent::WindowStateChange && isMinimized() && !hideMinimises_) {
        QTimer::singleShot(0, this, &MainWindow::hide);
    }
    QWidget::changeEvent(event);
}

void MainWindow::hideToTray() {
    if (hideMinimises_) {
        showMinimized();
    } else {
        hide();
    }
}

} // namespace q417
