#include "assign/key_names.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string_view>

namespace q417 {
namespace {

struct NameCase {
    std::string_view name;
    std::uint8_t code;
};

TEST(keyNameToUsage, GivesTheUsageAtEachEndOfEveryGroup) {
    const NameCase cases[] = {
        {"A", 0x04},
        {"Z", 0x1D},
        {"1", 0x1E},
        {"0", 0x27},
        {"Enter", 0x28},
        {"\\", 0x31},
        {"Eurpo(Note 2)", 0x32},
        {"Caps Lock", 0x39},
        {"F1", 0x3A},
        {"F12", 0x45},
        {"Prnt Scrn", 0x46},
        {"Up", 0x52},
        {"Num Lock", 0x53},
        {"Num Enter", 0x58},
        {"Num 1", 0x59},
        {"Num 0", 0x62},
        {"Num Del", 0x63},
        {"Ctrl", 0xE0},
        {"Right Ctrl", 0xE4},
        {"Right Windows", 0xE7},
        {"L-Button", 0xF0},
        {"M-Button", 0xF2},
    };
    for (const NameCase& c : cases) {
        EXPECT_EQ(keyNameToUsage(c.name), c.code) << '"' << c.name << '"';
    }
}

TEST(keyNameToUsage, MatchesWholeNamesExactlyAndCaseSensitively) {
    const std::string_view misses[] = {
        "Left Ctrl", // only a modifier name
        "ctrl",      "a", "Ctrl ", " A", "", "Num", "Eurpo", "Enter\n",
        "L-CTRL",    // only a fire-key name
        "B4-Button", // the mouse's fourth button is only a fire key
    };
    for (const std::string_view name : misses) {
        EXPECT_EQ(keyNameToUsage(name), 0) << '"' << name << '"';
    }
}

TEST(keyNameToUsage, NameWithEmbeddedNulIsNotCutShort) {
    EXPECT_EQ(keyNameToUsage(std::string_view("A\0B", 3)), 0);
}

TEST(modifierNameToBit, RowsAreTheEightModifierBitsInOrder) {
    for (std::size_t row = 0; row < kModifierCount; ++row) {
        EXPECT_EQ(modifierNameToBit(modifierName(row)), 1U << row) << "row " << row;
    }
    EXPECT_EQ(modifierName(0), "Left Ctrl");
    EXPECT_EQ(modifierName(7), "Right Win");
    EXPECT_EQ(modifierName(kModifierCount), "");
    EXPECT_EQ(modifierName(std::numeric_limits<std::size_t>::max()), "");
}

TEST(modifierNameToBit, KeyNamesAreNotModifierNames) {
    EXPECT_EQ(modifierNameToBit("Right Ctrl"), 0x10);
    EXPECT_EQ(keyNameToUsage("Right Ctrl"), 0xE4) << "the same text is a key in the other table";
    for (const std::string_view name : {"Ctrl", "Shift", "Left Windows", "left ctrl", "Left Ctrl ", ""}) {
        EXPECT_EQ(modifierNameToBit(name), 0) << '"' << name << '"';
    }
}

TEST(FireKeys, CodesAtTheRowBoundaries) {
    struct Case {
        std::size_t row;
        std::string_view name;
        std::uint8_t code;
    };
    const Case cases[] = {
        {0, "A", 0x04},          {25, "Z", 0x1D},         {26, "1", 0x1E},
        {35, "0", 0x27},         {36, "L-CTRL", 0xE0},    {38, "L-ALT", 0xE2},
        {39, "R-CTRL", 0xE4},    {40, "R-SHIFT", 0xE5},   {41, "R-ALT", 0xE6},
        {42, "F1", 0x3A},        {53, "F12", 0x45},       {54, "L-Button", 0xF0},
        {57, "B4-Button", 0xF3}, {58, "B5-Button", 0xF4}, {60, "R-Tilt Wheel", 0xF6},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fireKeyName(c.row), c.name) << "row " << c.row;
        EXPECT_EQ(fireKeyCode(c.row), c.code) << "row " << c.row;
    }
}

TEST(FireKeys, RowsPastTheListGiveNothing) {
    EXPECT_EQ(kFireKeyRowCount, 61U);
    for (const std::size_t row : {std::size_t{61}, std::size_t{255}, std::numeric_limits<std::size_t>::max()}) {
        EXPECT_EQ(fireKeyCode(row), 0) << "row " << row;
        EXPECT_EQ(fireKeyName(row), "") << "row " << row;
    }
}

// Where a fire-key row and a key name share a text, both tables must send the same code.
TEST(FireKeys, AgreeWithTheKeyNameTableWhereNamesCoincide) {
    std::size_t shared = 0;
    for (std::size_t row = 0; row < kFireKeyRowCount; ++row) {
        const std::uint8_t usage = keyNameToUsage(fireKeyName(row));
        if (usage != 0) {
            ++shared;
            EXPECT_EQ(fireKeyCode(row), usage) << fireKeyName(row);
        }
    }
    EXPECT_EQ(shared, 26U + 10U + 12U + 3U) << "letters, digits, F-keys and three mouse buttons";
}

} // namespace
} // namespace q417
