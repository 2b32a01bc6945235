#include "skin/skin_canvas.h"
#include "skin/skin_font.h"
#include "skin/skin_image.h"
#include "skin/skin_image_cache.h"
#include "support/recording_messages.h"
#include "support/temp_dir.h"

#include <QFile>
#include <QFontMetrics>
#include <QWidget>
#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>

namespace q417 {
namespace {

// The CRC of PNG chunks, so a test can forge a header.
std::uint32_t crc32(const std::string& bytes) {
    std::uint32_t crc = 0xFFFFFFFFU;
    for (const char byte : bytes) {
        crc ^= static_cast<std::uint8_t>(byte);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1U) ^ (0xEDB88320U & (0U - (crc & 1U)));
        }
    }
    return ~crc;
}

std::string bigEndian(std::uint32_t value) {
    return {static_cast<char>(value >> 24U), static_cast<char>(value >> 16U), static_cast<char>(value >> 8U),
            static_cast<char>(value)};
}

std::string chunk(const std::string& type, const std::string& data) {
    return bigEndian(static_cast<std::uint32_t>(data.size())) + type + data + bigEndian(crc32(type + data));
}

// A well-formed PNG header claiming an image of width x height, with no pixel data behind it.
std::string forgedPng(std::uint32_t width, std::uint32_t height) {
    const std::string ihdr = bigEndian(width) + bigEndian(height) + std::string("\x08\x06\x00\x00\x00", 5);
    return std::string("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", ihdr) + chunk("IEND", "");
}

class SkinImage : public ::testing::Test {
protected:
    std::filesystem::path save(const char* name, const QImage& image) {
        image.save(QFile::decodeName((dir / name).c_str()), "PNG");
        return dir / name;
    }
    test::TempDir dir;
    test::RecordingMessages messages;
};

TEST_F(SkinImage, LoadsIntoPremultipliedPixels) {
    QImage image(3, 1, QImage::Format_ARGB32);
    image.setPixelColor(0, 0, QColor(200, 100, 50, 128));
    image.setPixelColor(1, 0, QColor(200, 100, 50, 0));
    image.setPixelColor(2, 0, QColor(200, 100, 50, 255));
    const std::optional<QImage> loaded = loadSkinImage(save("a.png", image));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->format(), kPreparedFormat);
    const uchar* p = loaded->constScanLine(0);
    EXPECT_EQ((std::array<int, 4>{p[0], p[1], p[2], p[3]}), (std::array<int, 4>{100, 50, 25, 128}));
    EXPECT_EQ((std::array<int, 4>{p[4], p[5], p[6], p[7]}), (std::array<int, 4>{0, 0, 0, 0}));
    EXPECT_EQ((std::array<int, 4>{p[8], p[9], p[10], p[11]}), (std::array<int, 4>{200, 100, 50, 255}));
}

TEST_F(SkinImage, ImagesWithoutAlphaLoadOpaque) {
    QImage image(2, 2, QImage::Format_RGB888);
    image.fill(QColor(1, 2, 3));
    const std::optional<QImage> loaded = loadSkinImage(save("rgb.png", image));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->pixelColor(1, 1), QColor(1, 2, 3));
}

TEST_F(SkinImage, RefusesWhatIsNotASensiblePng) {
    dir.write("empty.png", "");
    dir.write("garbage.png", "not a picture at all");
    dir.write("huge.png", forgedPng(100000, 100000));
    dir.write("wide.png", forgedPng(kMaxSkinImageSide + 1, 1));
    dir.write("zero.png", forgedPng(0, 10));
    dir.write("truncated.png", forgedPng(4, 4)); // a valid header and no pixels
    QImage jpeg(4, 4, QImage::Format_RGB32);
    jpeg.fill(Qt::red);
    jpeg.save(QFile::decodeName((dir / "photo.png").c_str()), "JPEG"); // named .png, is not
    for (const char* name : {"missing.png", "empty.png", "garbage.png", "huge.png", "wide.png", "zero.png",
                             "truncated.png", "photo.png"}) {
        EXPECT_FALSE(loadSkinImage(dir / name)) << name;
    }
    EXPECT_FALSE(loadSkinImage(dir.path())) << "a folder";
}

TEST_F(SkinImage, PagesFailSilentlyAndDialogsReport) {
    SkinCanvas canvas(QSize(10, 10));
    EXPECT_FALSE(drawSkinImage(canvas, dir / "missing.png", QPoint(0, 0)));
    EXPECT_FALSE(drawSkinImage(canvas, dir / "missing.png", QPoint(0, 0), messages));
    EXPECT_EQ(messages.messages, (std::vector<test::RecordingMessages::Message>{{"LoadPng---Load image failed.", ""}}));

    QImage dot(1, 1, QImage::Format_ARGB32);
    dot.fill(Qt::white);
    EXPECT_TRUE(drawSkinImage(canvas, save("dot.png", dot), QPoint(9, 9), messages));
    EXPECT_TRUE(drawSkinImage(canvas, dir / "dot.png", QPoint(-5, 20))); // off the canvas draws nothing
    EXPECT_EQ(messages.messages.size(), 1U);
}

TEST_F(SkinImage, ABackgroundGivesTheWindowItsSize) {
    QWidget window;
    window.resize(50, 50);
    window.move(7, 8);
    EXPECT_FALSE(loadSkinBackground(window, dir / "missing.png"));
    EXPECT_EQ(window.size(), QSize(50, 50));

    QImage background(120, 80, QImage::Format_RGB32);
    background.fill(Qt::darkGray);
    const std::optional<QImage> loaded = loadSkinBackground(window, save("bg.png", background));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->size(), QSize(120, 80));
    EXPECT_EQ(window.size(), QSize(120, 80));
    EXPECT_EQ(window.pos(), QPoint(7, 8));
}

TEST_F(SkinImage, TheCacheDecodesEachFileOnceAndRemembersAMissingOne) {
    QImage image(2, 2, QImage::Format_RGB888);
    image.fill(QColor(1, 2, 3));
    const std::filesystem::path file = save("cell.png", image);
    SkinImageCache cache;
    const QImage* first = cache.image(file);
    ASSERT_NE(first, nullptr);
    image.fill(QColor(9, 9, 9));
    save("cell.png", image); // a changed file is not seen until the cache is dropped
    EXPECT_EQ(cache.image(file), first);
    EXPECT_EQ(cache.image(file)->pixelColor(0, 0), QColor(1, 2, 3));
    EXPECT_EQ(cache.image(dir / "missing.png"), nullptr);
    EXPECT_EQ(cache.size(), 2U);
    cache.clear();
    EXPECT_EQ(cache.image(file)->pixelColor(0, 0), QColor(9, 9, 9));

    SkinCanvas canvas(QSize(4, 4));
    EXPECT_TRUE(drawSkinImage(canvas, cache, file, QPoint(1, 1)));
    EXPECT_EQ(canvas.image().pixelColor(2, 2), QColor(9, 9, 9));
    EXPECT_FALSE(drawSkinImage(canvas, cache, dir / "missing.png", QPoint(0, 0)));
}

TEST(FitText, ShrinksToTheWidthThenElidesAtTheReadableMinimum) {
    QFont font("Liberation Sans");
    font.setPixelSize(14);
    const QString caption = "Report Rate Setting";
    const int natural = QFontMetrics(font).horizontalAdvance(caption);
    struct Case {
        int width;
        bool shrunk;
        bool elided;
    };
    const Case cases[] = {
        {natural + 10, false, false}, // fits: as it is
        {natural - 8, true, false},   // a little too wide: a smaller font holds it
        {natural / 4, true, true},    // far too wide: the smallest font, cut with an ellipsis
    };
    for (const Case& c : cases) {
        const FittedText fitted = fitText(caption, font, c.width);
        EXPECT_EQ(fitted.font.pixelSize() < 14, c.shrunk) << c.width;
        EXPECT_GE(fitted.font.pixelSize(), kMinTextPixelSize) << c.width;
        EXPECT_EQ(fitted.text != caption, c.elided) << c.width;
        EXPECT_LE(QFontMetrics(fitted.font).horizontalAdvance(fitted.text), c.width) << c.width;
    }
}

TEST(SkinFont, TheHeightIsTheWholeCellOfTheText) {
    for (const Language language : {Language::English, Language::Span, Language::Chs, Language::Cht}) {
        for (const FontSpec& spec : {textFont(language), titleFont(language)}) {
            const QFont font = skinFont(spec);
            const QFontMetrics metrics(font);
            EXPECT_LE(metrics.height(), spec.pixelHeight) << spec.family;
            QFont larger = font;
            larger.setPixelSize(font.pixelSize() + 1);
            EXPECT_GT(QFontMetrics(larger).height(), spec.pixelHeight) << spec.family << ": the largest that fits";
        }
    }
}

} // namespace
} // namespace q417
