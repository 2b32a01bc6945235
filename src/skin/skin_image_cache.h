#pragma once

#include <QImage>
#include <filesystem>
#include <map>
#include <optional>

class QPoint;

namespace q417 {

class SkinCanvas;

// Decoded skin images of one skin, kept so that a page build or a hover redraw does not decode the
// same PNG again. A file that could not be loaded is remembered as missing too. The owner drops
// everything when the skin changes.
class SkinImageCache {
public:
    // The prepared image of `file` (skin/skin_image.h), loaded at the first request; null when the file
    // cannot be loaded.
    const QImage* image(const std::filesystem::path& file);

    void clear() { images_.clear(); }
    // Forgets one image; the next request loads it again.
    void drop(const std::filesystem::path& file) { images_.erase(file); }
    [[nodiscard]] std::size_t size() const { return images_.size(); }

private:
    std::map<std::filesystem::path, std::optional<QImage>> images_;
};

// Draws a cached skin image at its natural size with its top-left corner at `topLeft`; an image that
// cannot be loaded leaves the canvas as it was. False on failure.
bool drawSkinImage(SkinCanvas& canvas, SkinImageCache& cache, const std::filesystem::path& file, QPoint topLeft);

} // namespace q417
