#pragma once

#include "platform/message_sink.h"

#include <QImage>
#include <QPoint>
#include <filesystem>
#include <optional>

class QWidget;

namespace q417 {

class SkinCanvas;

// Skin images are drawn in this format: 8-bit channels R, G, B, A in memory order, colour
// premultiplied by alpha with the toolkit's own rounding.
inline constexpr QImage::Format kPreparedFormat = QImage::Format_RGBA8888_Premultiplied;

// Larger images are refused before they are decoded: no skin needs them, and a forged header must
// not make the program allocate gigabytes.
inline constexpr int kMaxSkinImageSide = 4096;

// What a dialog shows, under the program's title, for every skin image it cannot draw.
inline constexpr const char* kLoadImageFailedText = "LoadPng---Load image failed.";

// Images without an alpha channel are kept in this format and copied, not blended.
inline constexpr QImage::Format kOpaqueFormat = QImage::Format_RGBX8888;

// Any decoded image brought into the format it is drawn in: an image with an alpha channel is
// premultiplied into kPreparedFormat; one without is kept opaque in kOpaqueFormat.
[[nodiscard]] QImage prepareImage(const QImage& decoded);

// Reads a PNG file and prepares it. Nothing for a missing, unreadable, corrupt, empty or oversized
// file. Every call reads the file afresh, so a changed skin is seen at once.
[[nodiscard]] std::optional<QImage> loadSkinImage(const std::filesystem::path& file);

// The size a skin image's header gives, without decoding it; nothing when it is unusable.
[[nodiscard]] std::optional<QSize> skinImageSize(const std::filesystem::path& file);

// Draws a skin image at its natural size with its top-left corner at `topLeft`. The pages' variant:
// an image that cannot be loaded leaves the canvas as it was and says nothing. False on failure.
bool drawSkinImage(SkinCanvas& canvas, const std::filesystem::path& file, QPoint topLeft);

// The dialogs' variant: a failure is also reported through `messages` ("LoadPng---Load image
// failed.", under the program's title).
bool drawSkinImage(SkinCanvas& canvas, const std::filesystem::path& file, QPoint topLeft, MessageSink& messages);

// Loads a window's background and gives the window the image's size as its fixed size, without
// moving it. Nothing, and the window unchanged, when the image cannot be loaded.
[[nodiscard]] std::optional<QImage> loadSkinBackground(QWidget& window, const std::filesystem::path& file);

} // namespace q417
