#include "dialogs/skinned_dialog.h"

#include "skin/qt_convert.h"
#include "skin/skin_drop_down.h"
#include "skin/skin_image.h"
#include "skin/skin_paths.h"
#include "texts/main_window_texts.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <string>

namespace q417 {

namespace {

constexpr QColor kBlankBackground{24, 24, 26};

QPoint topLeftOf(const Rect& rect) {
    return {rect.left, rect.top};
}

} // namespace

SkinnedDialog::SkinnedDialog(DialogSkin skin, SkinnedDialogKind kind, Captions captions, MessageSink& messages,
                             QPoint origin, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , skin_(std::move(skin))
    , captions_(std::move(captions))
    , messages_(messages) {
    // Modal over the window it belongs to only, so the tray's menu (Exit) stays reachable meanwhile.
    setWindowModality(parent != nullptr ? Qt::WindowModal : Qt::ApplicationModal);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(skin_.font);
    move(origin);
    // Every look is drawn from the hover state, so any change draws the whole picture again.
    surface_ = new SkinnedSurface(*this, [this](int, bool) { compose(); });
    const auto elements = dialogHoverElements();
    surface_->setElements({elements.begin(), elements.end()});

    const DialogBackground& background = dialogBackground(kind);
    if (std::optional<QImage> image = loadSkinBackground(*this, skinImagePath(skin_.folder, background.image))) {
        background_ = std::move(*image);
    } else {
        setFixedSize(kFallbackSize);
        messages_.showMessage("error", std::string(background.failureCaption));
    }
}

SkinnedDialog::Captions SkinnedDialog::captionsIn(Language language) {
    return {fromUtf8(text(language, TextId::Ok)), fromUtf8(text(language, TextId::Cancel))};
}

const QImage& SkinnedDialog::picture() {
    if (!composed_) {
        compose();
    }
    return surface_->canvas().image();
}

void SkinnedDialog::drawContents(SkinCanvas&) {}

void SkinnedDialog::clickAt(QPoint) {}

bool SkinnedDialog::drawImage(SkinCanvas& canvas, std::string_view imageName, QPoint topLeft) {
    return drawSkinImage(canvas, skinImagePath(skin_.folder, imageName), topLeft, messages_);
}

QColor SkinnedDialog::textColour() const {
    return {skin_.textColour[0], skin_.textColour[1], skin_.textColour[2]};
}

void SkinnedDialog::redraw() {
    compose();
    update();
}

void SkinnedDialog::addDropDown(SkinDropDown& dropDown) {
    dropDowns_.push_back(&dropDown);
}

void SkinnedDialog::compose() {
    composed_ = true;
    if (backgroundLoaded()) {
        surface_->canvas().assign(background_);
    } else {
        surface_->canvas().reset(size(), kBlankBackground);
    }
    SkinCanvas& canvas = surface_->canvas();
    drawButton(canvas, DialogButton::Ok);
    drawButton(canvas, DialogButton::Cancel);
    drawContents(canvas);
    drawButton(canvas, DialogButton::Close);
}

void SkinnedDialog::drawButton(SkinCanvas& canvas, DialogButton button) {
    const bool lit = isLit(button);
    const Rect rect = dialogButtonRect(button);
    if (button == DialogButton::Close) {
        drawImage(canvas, lit ? skin::kCloseOver : skin::kCloseNormal, topLeftOf(rect));
        return;
    }
    drawImage(canvas, lit ? skin::kButtonOver : skin::kButtonNormal, topLeftOf(rect));
    const QString& caption = button == DialogButton::Ok ? captions_.ok : captions_.cancel;
    canvas.drawText(rect, caption, skin_.font, textColour(), Qt::AlignCenter);
}

void SkinnedDialog::paintEvent(QPaintEvent*) {
    QPainter(this).drawImage(0, 0, picture());
}

void SkinnedDialog::showEvent(QShowEvent* event) {
    // Drawn before the first paint, so a missing image is reported outside the paint event.
    if (!composed_) {
        compose();
    }
    QDialog::showEvent(event);
}

void SkinnedDialog::mouseMoveEvent(QMouseEvent* event) {
    surface_->pointerMoved(event->position().toPoint());
}

void SkinnedDialog::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QDialog::mousePressEvent(event);
        return;
    }
    const QPoint point = event->position().toPoint();
    for (SkinDropDown* dropDown : dropDowns_) {
        dropDown->closeOnClickAt(point);
    }
    if (const std::optional<DialogButton> button = dialogButtonAt(point.x(), point.y())) {
        if (*button == DialogButton::Ok) {
            accept();
        } else {
            reject();
        }
        return;
    }
    clickAt(point);
}

void SkinnedDialog::leaveEvent(QEvent* event) {
    // No hover notification once the pointer has left; lit buttons stay lit until it comes back.
    surface_->pointerLeft();
    QDialog::leaveEvent(event);
}

void SkinnedDialog::wheelEvent(QWheelEvent* event) {
    for (SkinDropDown* dropDown : dropDowns_) {
        if (dropDown->scrollByWheel(event->angleDelta().y())) {
            event->accept();
            return;
        }
    }
    QDialog::wheelEvent(event);
}

} // namespace q417
