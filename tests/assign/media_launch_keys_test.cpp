#include "assign/media_launch_keys.h"
#include "texts/texts_media_launch.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>

namespace q417 {
namespace {

constexpr std::size_t kHugeRow = std::numeric_limits<std::size_t>::max();

TEST(MediaUsage, FirstAndLastRowsThenZero) {
    EXPECT_EQ(mediaUsage(0), 0xB5); // next track: what OK gives without a pick
    EXPECT_EQ(mediaUsage(6), 0xEA); // volume down
    EXPECT_EQ(mediaUsage(kMediaRowCount), 0);
    EXPECT_EQ(mediaUsage(kHugeRow), 0);
}

TEST(LaunchCodes, LowAndHighBytesAcrossTheRowBoundaries) {
    struct Case {
        std::size_t row;
        std::uint8_t low;
        std::uint8_t high;
    };
    const Case cases[] = {
        {0, 0x83, 1},  // media player: what OK gives without a pick
        {3, 0x94, 1},  // last application key
        {4, 0x21, 2},  // first browser key
        {10, 0x2A, 2}, // favourites
        {11, 0, 0},    {255, 0, 0}, {kHugeRow, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(launchCodeLow(c.row), c.low) << "row " << c.row;
        EXPECT_EQ(launchCodeHigh(c.row), c.high) << "row " << c.row;
    }
}

// The high byte is computed from the row, not read from the usage; the two must not drift apart.
TEST(LaunchCodes, RowRuleMatchesEveryUsage) {
    for (std::size_t row = 0; row <= kLaunchRowCount; ++row) {
        EXPECT_EQ(launchCodeHigh(row), launchUsage(row) >> 8) << "row " << row;
        EXPECT_EQ(launchCodeLow(row), launchUsage(row) & 0xFF) << "row " << row;
    }
}

} // namespace
} // namespace q417
