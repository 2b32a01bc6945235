#include "ui/skinned_dialog.h"

#include "ui/skin_drop_down.h"
#include "ui/skin_image.h"
#include "ui/skin_paths.h"

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
    setModal(true);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(skin_.font);
    move(origin);
    hoverTimer_.setSingleShot(true);
    hoverTimer_.setInterval(kHoverDelayMs);
    connect(&hoverTimer_, &QTimer::timeout, this, &SkinnedDialog::onHoverTimeout);

    const DialogBackground& background = dialogBackground(kind);
    if (std::optional<QImage> image = loadSkinBackground(*this, skinImagePath(skin_.folder, background.image))) {
        background_ = std::move(*image);
    } else {
        setFixedSize(kFallbackSize);
        messages_.showMessage("error", std::string(background.failureCaption));
    }
}

const QImage& SkinnedDialog::picture() {
    if (!composed_) {
        compose();
    }
    return canvas_.image();
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
        canvas_.assign(background_);
    } else {
        canvas_.reset(size(), kBlankBackground);
    }
    drawButton(canvas_, DialogButton::Ok);
    drawButton(canvas_, DialogButton::Cancel);
    drawContents(canvas_);
    drawButton(canvas_, DialogButton::Close);
}

void SkinnedDialog::drawButton(SkinCanvas& canvas, DialogButton button) {
    const bool lit = hover_.isLit(button);
    const Rect rect = dialogButtonRect(button);
    if (button == DialogButton::Close) {
        drawImage(canvas, lit ? skin::kCloseOver : skin::kCloseNormal, topLeftOf(rect));
        return;
    }
    drawImage(canvas, lit ? skin::kButtonOver : skin::kButtonNormal, topLeftOf(rect));
    const QString& caption = button == DialogButton::Ok ? captions_.ok : captions_.cancel;
    canvas.drawText(rect, caption, skin_.font, textColour(), Qt::AlignCenter);
}

void SkinnedDialog::onHoverTimeout() {
    const DialogButtonHover before = hover_;
    hover_.hoverAt(hoverPoint_.x(), hoverPoint_.y());
    if (hover_ != before) {
        redraw();
    }
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
    const QPoint point = event->position().toPoint();
    const bool anyLitBefore = hover_.anyLit();
    if (hover_.pointerMoved(point.x(), point.y())) {
        hoverPoint_ = point;
        hoverTimer_.start(); // every move restarts the rest
        return;
    }
    hoverTimer_.stop();
    if (anyLitBefore) {
        redraw();
    }
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
    hoverTimer_.stop();
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
