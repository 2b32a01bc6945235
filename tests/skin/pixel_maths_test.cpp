#include "skin/pixel_maths.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

namespace q417 {
namespace {

TEST(Premultiplied, ScalesColourByAlphaRoundingDown) {
    struct Case {
        Pixel in;
        Pixel out;
    };
    const Case cases[] = {
        {{200, 100, 50, 0}, {0, 0, 0, 0}},          // transparent becomes transparent black
        {{200, 100, 50, 255}, {200, 100, 50, 255}}, // opaque is unchanged
        {{200, 100, 50, 128}, {100, 50, 25, 128}},
        {{255, 1, 254, 1}, {1, 0, 0, 1}}, // 255 * 1 / 255 = 1; 254 / 255 rounds down to 0
        {{255, 255, 255, 254}, {254, 254, 254, 254}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(premultiplied(c.in), c.out)
            << int(c.in[0]) << ',' << int(c.in[1]) << ',' << int(c.in[2]) << " a" << int(c.in[3]);
    }
}

TEST(SourceOver, OpaqueReplacesTransparentKeepsHalfMixes) {
    struct Case {
        const char* what;
        Pixel source; // premultiplied
        Pixel canvas;
        Pixel out;
    };
    const Case cases[] = {
        {"opaque source replaces the canvas", {10, 20, 30, 255}, {200, 200, 200, 255}, {10, 20, 30, 255}},
        {"transparent source leaves it", {0, 0, 0, 0}, {200, 150, 100, 255}, {200, 150, 100, 255}},
        {"half over white", {100, 50, 25, 128}, {255, 255, 255, 255}, {227, 177, 152, 255}},
        {"half over black", {100, 50, 25, 128}, {0, 0, 0, 255}, {100, 50, 25, 255}},
        {"half over grey rounds to nearest", {0, 0, 0, 128}, {101, 101, 101, 255}, {50, 50, 50, 255}},
        {"a source that is not premultiplied saturates", {255, 255, 255, 0}, {255, 0, 255, 255}, {255, 255, 255, 255}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sourceOver(c.source, c.canvas), c.out) << c.what;
    }
}

// A canvas of w x h opaque pixels of one grey, with `pad` spare bytes at the end of each row.
struct Buffer {
    Buffer(std::size_t w, std::size_t h, std::uint8_t grey, std::size_t pad = 0)
        : width(w)
        , height(h)
        , stride(w * kBytesPerPixel + pad)
        , bytes(stride * h, grey) {
        for (std::size_t y = 0; y < h; ++y) {
            for (std::size_t x = 0; x < w; ++x) {
                bytes[y * stride + x * kBytesPerPixel + kAlphaByte] = 255;
            }
        }
    }
    PixelRows rows() { return {bytes, width, height, stride}; }
    Pixel at(std::size_t x, std::size_t y) const {
        const std::size_t o = y * stride + x * kBytesPerPixel;
        return {bytes[o], bytes[o + 1], bytes[o + 2], bytes[o + 3]};
    }
    std::size_t width;
    std::size_t height;
    std::size_t stride;
    std::vector<std::uint8_t> bytes;
};

TEST(PremultiplyPixels, TouchesEveryPixelButNotRowPadding) {
    Buffer image(2, 2, 200, 3);
    for (std::size_t y = 0; y < 2; ++y) {
        image.bytes[y * image.stride + kAlphaByte] = 128; // first pixel of each row half transparent
    }
    premultiplyPixels(image.rows());
    EXPECT_EQ(image.at(0, 0), (Pixel{100, 100, 100, 128}));
    EXPECT_EQ(image.at(1, 1), (Pixel{200, 200, 200, 255}));
    EXPECT_EQ(image.bytes[image.stride - 1], 200); // padding untouched
}

class BlendOntoCanvas : public ::testing::Test {
protected:
    Buffer canvas{3, 3, 0};
    Buffer source{2, 2, 255}; // opaque white
    int whitePixels() const {
        int n = 0;
        for (std::size_t y = 0; y < 3; ++y) {
            for (std::size_t x = 0; x < 3; ++x) {
                n += canvas.at(x, y)[0] == 255 ? 1 : 0;
            }
        }
        return n;
    }
};

TEST_F(BlendOntoCanvas, PlacesTheSourceAtItsPosition) {
    blendSourceOver(canvas.rows(), asConst(source.rows()), 1, 1);
    EXPECT_EQ(canvas.at(1, 1)[0], 255);
    EXPECT_EQ(canvas.at(2, 2)[0], 255);
    EXPECT_EQ(canvas.at(0, 0)[0], 0);
    EXPECT_EQ(whitePixels(), 4);
}

TEST_F(BlendOntoCanvas, CutsOffWhatFallsOutside) {
    struct Case {
        int x;
        int y;
        int white;
    };
    const Case cases[] = {{-1, -1, 1}, {2, 2, 1}, {2, -1, 1},          {-2, 0, 0},
                          {3, 0, 0},   {0, 3, 0}, {-2147483647, 0, 0}, {2147483647, 2147483647, 0}};
    for (const Case& c : cases) {
        Buffer fresh(3, 3, 0);
        canvas = fresh;
        blendSourceOver(canvas.rows(), asConst(source.rows()), c.x, c.y);
        EXPECT_EQ(whitePixels(), c.white) << c.x << ',' << c.y;
    }
}

TEST_F(BlendOntoCanvas, IgnoresViewsTheirBufferCannotHold) {
    ConstPixelRows shortSource{source.bytes, 2, 3, source.stride}; // one row too many
    blendSourceOver(canvas.rows(), shortSource, 0, 0);
    ConstPixelRows narrowStride{source.bytes, 2, 2, 4}; // rows overlap
    blendSourceOver(canvas.rows(), narrowStride, 0, 0);
    PixelRows shortCanvas{canvas.bytes, 3, 4, canvas.stride};
    blendSourceOver(shortCanvas, asConst(source.rows()), 0, 0);
    EXPECT_EQ(whitePixels(), 0);
    EXPECT_FALSE(shortSource.valid());
    EXPECT_FALSE(narrowStride.valid());
    EXPECT_TRUE((ConstPixelRows{{}, 0, 0, 0}.valid())); // empty is valid and draws nothing
}

} // namespace
} // namespace q417
