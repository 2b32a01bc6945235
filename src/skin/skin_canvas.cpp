#include "skin/skin_canvas.h"

#include "skin/pixel_maths.h"
#include "skin/qt_convert.h"
#include "skin/skin_image.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPoint>
#include <span>

namespace q417 {

namespace {

constexpr QImage::Format kCanvasFormat = QImage::Format_RGBX8888;

PixelRows rowsOf(QImage& image) {
    return {std::span<std::uint8_t>(image.bits(), static_cast<std::size_t>(image.sizeInBytes())),
            static_cast<std::size_t>(image.width()), static_cast<std::size_t>(image.height()),
            static_cast<std::size_t>(image.bytesPerLine())};
}

ConstPixelRows rowsOf(const QImage& image) {
    return {std::span<const std::uint8_t>(image.constBits(), static_cast<std::size_t>(image.sizeInBytes())),
            static_cast<std::size_t>(image.width()), static_cast<std::size_t>(image.height()),
            static_cast<std::size_t>(image.bytesPerLine())};
}

} // namespace

void SkinCanvas::reset(QSize size, QColor fill) {
    image_ = QImage(size.expandedTo(QSize(0, 0)), kCanvasFormat);
    image_.fill(fill);
}

void SkinCanvas::assign(const QImage& picture) {
    image_ = QImage(picture.size(), kCanvasFormat);
    image_.fill(Qt::black);
    blend(picture, QPoint(0, 0));
}

void SkinCanvas::blend(const QImage& prepared, QPoint topLeft) {
    if (image_.isNull() || prepared.isNull()) {
        return;
    }
    const QImage source =
        prepared.format() == kPreparedFormat || prepared.format() == kOpaqueFormat ? prepared : prepareImage(prepared);
    if (source.format() == kOpaqueFormat) {
        // Nothing to blend: an opaque image is copied as it is.
        QPainter painter(&image_);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(topLeft, source);
        return;
    }
    blendSourceOver(rowsOf(image_), rowsOf(source), topLeft.x(), topLeft.y());
}

void SkinCanvas::fill(const Rect& rect, QColor colour) {
    if (image_.isNull()) {
        return;
    }
    QPainter painter(&image_);
    painter.fillRect(toQRect(rect), colour);
}

void SkinCanvas::drawText(const Rect& rect, const QString& text, const QFont& font, QColor colour,
                          Qt::Alignment alignment, bool wordWrap) {
    if (image_.isNull() || text.isEmpty()) {
        return;
    }
    QPainter painter(&image_);
    painter.setPen(colour);
    if (wordWrap) {
        painter.setFont(font);
        painter.drawText(toQRect(rect), static_cast<int>(alignment) | Qt::TextWordWrap, text);
        return;
    }
    const FittedText fitted = fitText(text, font, rect.width());
    painter.setFont(fitted.font);
    painter.drawText(toQRect(rect), static_cast<int>(alignment) | Qt::TextSingleLine, fitted.text);
}

FittedText fitText(const QString& text, const QFont& font, int width) {
    FittedText fitted{text, font};
    if (width <= 0 || QFontMetrics(font).horizontalAdvance(text) <= width) {
        return fitted;
    }
    // Shrink a pixel at a time while the text stays readable; what still does not fit is elided.
    const int start = font.pixelSize() > 0 ? font.pixelSize() : QFontMetrics(font).height();
    for (int size = start - 1; size >= kMinTextPixelSize; --size) {
        fitted.font.setPixelSize(size);
        if (QFontMetrics(fitted.font).horizontalAdvance(text) <= width) {
            return fitted;
        }
    }
    fitted.text = QFontMetrics(fitted.font).elidedText(text, Qt::ElideRight, width);
    return fitted;
}

} // namespace q417
