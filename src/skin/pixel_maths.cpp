#include "skin/pixel_maths.h"

#include <algorithm>
#include <cstdint>

namespace q417 {

namespace {

Pixel loadPixel(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return {bytes[offset], bytes[offset + 1], bytes[offset + 2], bytes[offset + 3]};
}

void storePixel(std::span<std::uint8_t> bytes, std::size_t offset, const Pixel& pixel) {
    std::copy(pixel.begin(), pixel.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset));
}

// The part of [origin, origin + length) that lies inside [0, limit), in the limit's coordinates.
struct Span1D {
    std::size_t first = 0;
    std::size_t count = 0;
};
Span1D clip(int origin, std::size_t length, std::size_t limit) {
    const std::int64_t begin = std::max<std::int64_t>(origin, 0);
    const std::int64_t end = std::min<std::int64_t>(
        static_cast<std::int64_t>(origin) + static_cast<std::int64_t>(length), static_cast<std::int64_t>(limit));
    if (end <= begin) {
        return {};
    }
    return {static_cast<std::size_t>(begin), static_cast<std::size_t>(end - begin)};
}

} // namespace

void premultiplyPixels(const PixelRows& image) {
    if (!image.valid()) {
        return;
    }
    for (std::size_t y = 0; y < image.height; ++y) {
        const std::span<std::uint8_t> row = image.row(y);
        for (std::size_t offset = 0; offset < row.size(); offset += kBytesPerPixel) {
            storePixel(row, offset, premultiplied(loadPixel(row, offset)));
        }
    }
}

void blendSourceOver(const PixelRows& canvas, const ConstPixelRows& source, int x, int y) {
    if (!canvas.valid() || !source.valid()) {
        return;
    }
    const Span1D columns = clip(x, source.width, canvas.width);
    const Span1D rows = clip(y, source.height, canvas.height);
    if (columns.count == 0 || rows.count == 0) {
        return;
    }
    // Where the clipped area starts inside the source.
    const auto sourceLeft = static_cast<std::size_t>(static_cast<std::int64_t>(columns.first) - x);
    const auto sourceTop = static_cast<std::size_t>(static_cast<std::int64_t>(rows.first) - y);
    for (std::size_t row = 0; row < rows.count; ++row) {
        const std::span<std::uint8_t> to = canvas.row(rows.first + row);
        const std::span<const std::uint8_t> from = source.row(sourceTop + row);
        for (std::size_t column = 0; column < columns.count; ++column) {
            const std::size_t toOffset = (columns.first + column) * kBytesPerPixel;
            const std::size_t fromOffset = (sourceLeft + column) * kBytesPerPixel;
            storePixel(to, toOffset, sourceOver(loadPixel(from, fromOffset), loadPixel(to, toOffset)));
        }
    }
}

} // namespace q417
