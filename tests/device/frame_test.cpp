#include "device/frame.h"
#include "device/link_constants.h"

#include <gtest/gtest.h>
#include <random>

namespace q417 {
namespace {

struct ChecksumCase {
    const char* name;
    Frame frame;
    std::uint8_t checksum;
};
void PrintTo(const ChecksumCase& c, std::ostream* os) {
    *os << c.name;
}

class FrameChecksum : public ::testing::TestWithParam<ChecksumCase> {};

TEST_P(FrameChecksum, IsComplementOfByteSum) {
    const ChecksumCase& c = GetParam();
    EXPECT_EQ(frameChecksum(c.frame), c.checksum);
    Frame filled = c.frame;
    fillFrameChecksum(filled);
    EXPECT_EQ(filled[7], c.checksum);
}

INSTANTIATE_TEST_SUITE_P(Frames, FrameChecksum,
                         ::testing::Values(ChecksumCase{"ReportRate", {0x01, 0x08, 0, 0, 0, 0, 0, 0}, 0xF6},
                                           ChecksumCase{"Handshake", {0x00, 0xAA, 0xDD, 0x3B, 0x62, 0, 0, 0}, 0xDB},
                                           ChecksumCase{"Zeros", {}, 0xFF},
                                           ChecksumCase{
                                               "SumWraps", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0}, 0x06},
                                           ChecksumCase{"OldChecksumIgnored", {0x01, 0x08, 0, 0, 0, 0, 0, 0x77}, 0xF6}),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

std::uint8_t swappedMask(std::size_t i) {
    const unsigned m = kLinkMaskBytes[i];
    return static_cast<std::uint8_t>(((m << 4) | (m >> 4)) & 0xFF);
}

// Single bits make the swaps, the key positions and the rotation's direction and wrap visible:
// what comes out is the bit's new place plus the nibble-swapped mask.
struct ScrambleCase {
    const char* name;
    Frame frame;
    Frame key;
    Frame beforeMask;
};
void PrintTo(const ScrambleCase& c, std::ostream* os) {
    *os << c.name;
}

class ScrambleKnownAnswer : public ::testing::TestWithParam<ScrambleCase> {};

TEST_P(ScrambleKnownAnswer, MovesBitsAndAddsMask) {
    const ScrambleCase& c = GetParam();
    Frame expected = c.beforeMask;
    for (std::size_t i = 0; i < kFrameSize; ++i) {
        expected[i] = static_cast<std::uint8_t>(expected[i] + swappedMask(i));
    }
    Frame f = c.frame;
    scrambleFrame(f, c.key);
    EXPECT_EQ(f, expected);
    unscrambleFrame(f, c.key);
    EXPECT_EQ(f, c.frame);
}

INSTANTIATE_TEST_SUITE_P(
    Bits, ScrambleKnownAnswer,
    ::testing::Values(ScrambleCase{"Zeros", {}, {}, {}},
                      ScrambleCase{
                          "Byte0GoesTo5ThenLeft", {0x80, 0, 0, 0, 0, 0, 0, 0}, {}, {0, 0, 0, 0, 0x04, 0, 0, 0}},
                      ScrambleCase{"Byte7GoesTo2", {0, 0, 0, 0, 0, 0, 0, 0x01}, {}, {0, 0, 0x08, 0, 0, 0, 0, 0}},
                      ScrambleCase{"RotationWraps", {0, 0, 0, 0, 0, 0x20, 0, 0}, {}, {0, 0, 0, 0, 0, 0, 0, 0x01}},
                      ScrambleCase{"KeyByte1", {}, {0, 0x01, 0, 0, 0, 0, 0, 0}, {0, 0x08, 0, 0, 0, 0, 0, 0}},
                      ScrambleCase{"KeyEndsUnused", {}, {0xFF, 0, 0, 0, 0, 0, 0, 0xFF}, {}}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(Scramble, RoundTripsRandomFramesAndKeys) {
    std::mt19937 rng(417);
    std::uniform_int_distribution<int> byte(0, 255);
    const auto randomFrame = [&] {
        Frame f{};
        for (auto& b : f) {
            b = static_cast<std::uint8_t>(byte(rng));
        }
        return f;
    };
    for (int i = 0; i < 20000; ++i) {
        const Frame original = randomFrame();
        const Frame key = (i % 2 == 0) ? linkKey() : randomFrame();
        Frame f = original;
        scrambleFrame(f, key);
        unscrambleFrame(f, key);
        ASSERT_EQ(f, original) << "iteration " << i;
    }
}

TEST(Scramble, ChangesFrames) {
    Frame f{0x01, 0x08, 0, 0, 0, 0, 0, 0xF6};
    const Frame original = f;
    scrambleFrame(f, linkKey());
    EXPECT_NE(f, original);
}

TEST(LinkKey, CarriesSharedBytesBetweenZeroEnds) {
    const Frame key = linkKey();
    EXPECT_EQ(key[0], 0);
    EXPECT_EQ(key[7], 0);
    EXPECT_TRUE(std::equal(kLinkKeyBytes.begin(), kLinkKeyBytes.end(), key.begin() + 1));
}

} // namespace
} // namespace q417
