#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace q417 {

// One pixel of four bytes with alpha last (R, G, B, A or B, G, R, A): the maths treats the three
// colour bytes alike, so it serves either order.
using Pixel = std::array<std::uint8_t, 4>;
inline constexpr std::size_t kBytesPerPixel = 4;
inline constexpr std::size_t kAlphaByte = 3;

// Every colour byte times the alpha, divided by 255 and rounded down. Alpha 0 gives transparent
// black, alpha 255 leaves the pixel as it was.
[[nodiscard]] constexpr Pixel premultiplied(Pixel pixel) {
    const unsigned alpha = pixel[kAlphaByte];
    for (std::size_t i = 0; i < kAlphaByte; ++i) {
        pixel[i] = static_cast<std::uint8_t>(pixel[i] * alpha / 255U);
    }
    return pixel;
}

// A premultiplied source pixel over an opaque canvas pixel at full constant opacity:
// canvas = source + canvas * (255 - source alpha) / 255, rounded to the nearest. The result stays
// opaque; a source that is not truly premultiplied is clamped rather than wrapped.
[[nodiscard]] constexpr Pixel sourceOver(Pixel source, Pixel canvas) {
    const unsigned keep = 255U - source[kAlphaByte];
    for (std::size_t i = 0; i < kAlphaByte; ++i) {
        const unsigned scaled = canvas[i] * keep;
        const unsigned rounded = (scaled + 128U + ((scaled + 128U) >> 8U)) >> 8U; // scaled / 255, to nearest
        const unsigned sum = source[i] + rounded;
        canvas[i] = static_cast<std::uint8_t>(sum > 255U ? 255U : sum);
    }
    canvas[kAlphaByte] = 255;
    return canvas;
}

// Rows of pixels inside a byte buffer. A view whose buffer cannot hold its rows is invalid, and
// every operation leaves it alone.
template <typename Byte> struct BasicPixelRows {
    std::span<Byte> bytes;
    std::size_t width = 0;  // pixels
    std::size_t height = 0; // rows
    std::size_t stride = 0; // bytes from the start of one row to the next

    [[nodiscard]] constexpr bool valid() const {
        if (width == 0 || height == 0) {
            return true; // nothing to touch
        }
        if (width > stride / kBytesPerPixel) {
            return false;
        }
        const std::size_t lastRow = width * kBytesPerPixel;
        return lastRow <= bytes.size() && height - 1 <= (bytes.size() - lastRow) / stride;
    }
    [[nodiscard]] constexpr std::span<Byte> row(std::size_t y) const {
        return bytes.subspan(y * stride, width * kBytesPerPixel);
    }
};

using PixelRows = BasicPixelRows<std::uint8_t>;
using ConstPixelRows = BasicPixelRows<const std::uint8_t>;

[[nodiscard]] constexpr ConstPixelRows asConst(const PixelRows& rows) {
    return {rows.bytes, rows.width, rows.height, rows.stride};
}

// Prepares a decoded image for drawing: `premultiplied` applied to every pixel.
void premultiplyPixels(const PixelRows& image);

// Blends a premultiplied source with `sourceOver` onto an opaque canvas, the source's top-left
// corner at (x, y) of the canvas; whatever falls outside the canvas is cut off.
void blendSourceOver(const PixelRows& canvas, const ConstPixelRows& source, int x, int y);

} // namespace q417
