#include "skin/skin_image.h"

#include "skin/pixel_maths.h"
#include "skin/skin_canvas.h"

#include <QFile>
#include <QImageReader>
#include <QWidget>
#include <span>

namespace q417 {

namespace {

bool sensibleSize(QSize size) {
    return size.width() > 0 && size.height() > 0 && size.width() <= kMaxSkinImageSide &&
           size.height() <= kMaxSkinImageSide;
}

} // namespace

QImage prepareImage(const QImage& decoded) {
    if (decoded.isNull()) {
        return {};
    }
    if (!decoded.hasAlphaChannel()) {
        return decoded.convertToFormat(kOpaqueFormat);
    }
    QImage image = decoded.convertToFormat(QImage::Format_RGBA8888);
    if (image.isNull()) {
        return {};
    }
    premultiplyPixels({std::span<std::uint8_t>(image.bits(), static_cast<std::size_t>(image.sizeInBytes())),
                       static_cast<std::size_t>(image.width()), static_cast<std::size_t>(image.height()),
                       static_cast<std::size_t>(image.bytesPerLine())});
    image.reinterpretAsFormat(kPreparedFormat);
    return image;
}

std::optional<QImage> loadSkinImage(const std::filesystem::path& file) {
    QImageReader reader(QFile::decodeName(file.c_str()), "png");
    reader.setDecideFormatFromContent(false);
    // The header's size is checked before any pixel is decoded.
    if (!reader.canRead() || !sensibleSize(reader.size())) {
        return std::nullopt;
    }
    const QImage decoded = reader.read();
    if (decoded.isNull() || !sensibleSize(decoded.size())) {
        return std::nullopt;
    }
    QImage prepared = prepareImage(decoded);
    if (prepared.isNull()) {
        return std::nullopt;
    }
    return prepared;
}

std::optional<QSize> skinImageSize(const std::filesystem::path& file) {
    QImageReader reader(QFile::decodeName(file.c_str()), "png");
    reader.setDecideFormatFromContent(false);
    if (!reader.canRead() || !sensibleSize(reader.size())) {
        return std::nullopt;
    }
    return reader.size();
}

bool drawSkinImage(SkinCanvas& canvas, const std::filesystem::path& file, QPoint topLeft) {
    const std::optional<QImage> image = loadSkinImage(file);
    if (!image) {
        return false;
    }
    canvas.blend(*image, topLeft);
    return true;
}

bool drawSkinImage(SkinCanvas& canvas, const std::filesystem::path& file, QPoint topLeft, MessageSink& messages) {
    if (drawSkinImage(canvas, file, topLeft)) {
        return true;
    }
    messages.showMessage(kLoadImageFailedText, "");
    return false;
}

std::optional<QImage> loadSkinBackground(QWidget& window, const std::filesystem::path& file) {
    std::optional<QImage> image = loadSkinImage(file);
    if (image) {
        window.setFixedSize(image->size());
    }
    return image;
}

} // namespace q417
