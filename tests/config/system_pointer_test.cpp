#include "config/factory_defaults.h"
#include "config/system_pointer.h"
#include "support/memory_pointer_settings.h"
#include "support/recording_messages.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace q417 {
namespace {

using Setting = test::MemoryPointerSettings::Setting;
using Write = test::MemoryPointerSettings::Write;
using Message = test::RecordingMessages::Message;

struct Conversion {
    int in;
    int out;
};

TEST(SystemPointerConversion, SpeedFromTheSystem) {
    for (const auto& [speed, level] : std::vector<Conversion>{
             {1, 1}, {2, 2}, {3, 2}, {10, 6}, {11, 6}, {19, 10}, {20, 11}, {0, 1}, {-7, 1}, {40, 11}}) {
        EXPECT_EQ(speedLevelFromSystem(speed), level) << "speed " << speed;
    }
}

TEST(SystemPointerConversion, SpeedToTheSystemKeepsTheLevelWithinTheRow) {
    for (const auto& [level, speed] :
         std::vector<Conversion>{{1, 1}, {2, 2}, {6, 10}, {11, 20}, {0, 1}, {-3, 1}, {12, 20}, {200, 20}}) {
        EXPECT_EQ(systemSpeedFromLevel(level), speed) << "level " << level;
    }
}

TEST(SystemPointerConversion, DoubleClickFromTheSystemIsUnsignedAndCutToAByte) {
    for (const auto& [ms, level] :
         std::vector<Conversion>{{900, 1}, {500, 6}, {550, 6}, {200, 11}, {0, 13}, {1000, 131}, {-1, 13}}) {
        EXPECT_EQ(doubleClickLevelFromSystem(ms), level) << ms << " ms";
    }
}

TEST(SystemPointerConversion, DoubleClickToTheSystemKeepsTheLevelWithinTheRow) {
    for (const auto& [level, ms] :
         std::vector<Conversion>{{1, 900}, {6, 550}, {11, 200}, {0, 900}, {13, 200}, {200, 200}}) {
        EXPECT_EQ(systemDoubleClickFromLevel(level), ms) << "level " << level;
    }
}

// A record that differs from every value the tests read, so an untouched field shows.
MouseConfig recordWithLevels(std::uint8_t precision, std::uint8_t oneScreen, std::uint8_t speed, std::uint8_t wheel,
                             std::uint8_t doubleClick) {
    MouseConfig config = factoryConfig();
    config.enhancePointerPrecision = precision;
    config.scrollOneScreen = oneScreen;
    config.pointerSpeedLevel = speed;
    config.wheelScrollLines = wheel;
    config.doubleClickLevel = doubleClick;
    return config;
}

struct Levels {
    int precision, oneScreen, speed, wheel, doubleClick;
    bool operator==(const Levels&) const = default;
};

Levels levelsOf(const MouseConfig& c) {
    return {c.enhancePointerPrecision, c.scrollOneScreen, c.pointerSpeedLevel, c.wheelScrollLines, c.doubleClickLevel};
}

void PrintTo(const Levels& l, std::ostream* os) {
    *os << "{" << l.precision << ", " << l.oneScreen << ", " << l.speed << ", " << l.wheel << ", " << l.doubleClick
        << "}";
}

class SystemPointerTest : public ::testing::Test {
protected:
    void read() { readSystemMouseSettings(system, messages, config); }
    void apply() { applySystemMouseSettings(system, messages, config); }
    [[nodiscard]] std::vector<Message> warnings(const std::vector<std::string>& texts) const {
        std::vector<Message> out;
        for (const auto& text : texts) {
            out.push_back({text, "Warning"});
        }
        return out;
    }

    test::MemoryPointerSettings system;
    test::RecordingMessages messages;
    MouseConfig config = recordWithLevels(0, 1, 9, 9, 9);
};

TEST_F(SystemPointerTest, FirstReadOfTheUsualSystemShowsSixThreeSixAndApplyGivesFiveHundredFiftyMs) {
    system.precision = true;
    read();
    EXPECT_EQ(levelsOf(config), (Levels{1, 0, 6, 3, 6}));
    EXPECT_TRUE(messages.messages.empty());

    apply();
    EXPECT_EQ(
        system.writes,
        (std::vector<Write>{
            {Setting::Precision, 1}, {Setting::Speed, 10}, {Setting::WheelLines, 3}, {Setting::DoubleClick, 550}}));
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(SystemPointerTest, SpeedThreeReadsAsTwoCellsAndIsAppliedAsTwo) {
    system.speed = 3;
    read();
    EXPECT_EQ(config.pointerSpeedLevel, 2);
    apply();
    EXPECT_EQ(system.speed, 2);
}

TEST_F(SystemPointerTest, OneScreenScrollingIsKeptOnApplyUntilUnticked) {
    system.wheelLines = PointerSettings::kOneScreenPerNotch;
    read();
    EXPECT_EQ(config.scrollOneScreen, 1);
    EXPECT_EQ(config.wheelScrollLines, 0) << "the scroll row is all dark";

    config.wheelScrollLines = 5; // a scroll cell clicked
    apply();
    EXPECT_EQ(system.wheelLines, PointerSettings::kOneScreenPerNotch);

    config.scrollOneScreen = 0; // the box unticked
    apply();
    EXPECT_EQ(system.wheelLines, 5);
}

TEST_F(SystemPointerTest, ApplyKeepsLevelsOutsideTheRowsWithinThem) {
    config = recordWithLevels(2, 0, 0, 200, 0);
    apply();
    EXPECT_EQ(
        system.writes,
        (std::vector<Write>{
            {Setting::Precision, 0}, {Setting::Speed, 1}, {Setting::WheelLines, 11}, {Setting::DoubleClick, 900}}))
        << "only 1 means precision on";

    config = recordWithLevels(1, 0, 200, 0, 200);
    system.writes.clear();
    apply();
    EXPECT_EQ(
        system.writes,
        (std::vector<Write>{
            {Setting::Precision, 1}, {Setting::Speed, 20}, {Setting::WheelLines, 1}, {Setting::DoubleClick, 200}}));
}

// One failing read: its own warning, its field as the record had it (a guess would reach the
// desktop at the next Apply), the other reads as usual.
TEST_F(SystemPointerTest, EveryFailedReadWarnsAndTheOthersStillRead) {
    struct Row {
        Setting failing;
        std::vector<std::string> warning;
        Levels levels; // from a record of {0, 1, 9, 9, 9} and a system of {on, 10, 3, 500}
    };
    const std::vector<Row> rows{
        {Setting::Precision, {}, {0, 0, 6, 3, 6}},
        {Setting::Speed, {"GETMOUSESPEED failed."}, {1, 0, 9, 3, 6}},
        {Setting::WheelLines, {"GETWHEELSCROLLLINES failed."}, {1, 1, 6, 9, 6}},
        {Setting::DoubleClick, {"GetDoubleClickTime failed."}, {1, 0, 6, 3, 9}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(static_cast<int>(row.failing));
        test::MemoryPointerSettings failing;
        failing.precision = true;
        failing.readOutcome[static_cast<std::size_t>(row.failing)] = SettingOutcome::Failed;
        test::RecordingMessages shown;
        MouseConfig record = recordWithLevels(0, 1, 9, 9, 9);
        readSystemMouseSettings(failing, shown, record);
        EXPECT_EQ(shown.messages, warnings(row.warning));
        EXPECT_EQ(levelsOf(record), row.levels);
    }
}

TEST_F(SystemPointerTest, AFailedWheelReadNeverMeansOneScreen) {
    system.wheelLines = PointerSettings::kOneScreenPerNotch;
    system.readOutcome[static_cast<std::size_t>(Setting::WheelLines)] = SettingOutcome::Failed;
    config.scrollOneScreen = 0;
    config.wheelScrollLines = 4;
    read();
    EXPECT_EQ(config.scrollOneScreen, 0);
    EXPECT_EQ(config.wheelScrollLines, 4);
}

TEST_F(SystemPointerTest, AllReadsFailingGiveThreeWarningsInOrder) {
    system.setAllOutcomes(SettingOutcome::Failed);
    read();
    EXPECT_EQ(messages.messages,
              warnings({"GETMOUSESPEED failed.", "GETWHEELSCROLLLINES failed.", "GetDoubleClickTime failed."}));
}

TEST_F(SystemPointerTest, SettingsTheDesktopDoesNotKeepLeaveTheRecordAndSayNothing) {
    system.setAllOutcomes(SettingOutcome::Unavailable);
    const MouseConfig before = config;
    read();
    EXPECT_EQ(levelsOf(config), levelsOf(before));

    apply();
    restoreSystemDefaults(system, messages, config);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(system.writes.size(), 8U) << "every step is still tried";
}

TEST_F(SystemPointerTest, EveryFailedWriteWarnsAndTheOtherStepsStillRun) {
    const std::vector<std::pair<Setting, std::string>> rows{
        {Setting::Precision, "SETMOUSE failed."},
        {Setting::Speed, "SETMOUSESPEED failed."},
        {Setting::WheelLines, "SETWHEELSCROLLLINES failed."},
        {Setting::DoubleClick, "SPI_SETDOUBLECLICKTIME failed."},
    };
    for (const auto& [failing, text] : rows) {
        SCOPED_TRACE(text);
        for (const bool defaults : {false, true}) {
            test::MemoryPointerSettings sys;
            sys.writeOutcome[static_cast<std::size_t>(failing)] = SettingOutcome::Failed;
            test::RecordingMessages shown;
            MouseConfig record = recordWithLevels(1, 0, 2, 7, 4);
            if (defaults) {
                restoreSystemDefaults(sys, shown, record);
            } else {
                applySystemMouseSettings(sys, shown, record);
            }
            EXPECT_EQ(shown.messages, warnings({text}));
            EXPECT_EQ(sys.writes.size(), 4U);
        }
    }
}

TEST_F(SystemPointerTest, AllWritesFailingGiveFourWarningsInOrder) {
    system.setAllOutcomes(SettingOutcome::Failed);
    apply();
    EXPECT_EQ(messages.messages, warnings({"SETMOUSE failed.", "SETMOUSESPEED failed.", "SETWHEELSCROLLLINES failed.",
                                           "SPI_SETDOUBLECLICKTIME failed."}));
}

TEST_F(SystemPointerTest, DefaultChangesTheSystemAtOnceAndTakesTheDefaultLevels) {
    config = recordWithLevels(1, 1, 11, 11, 11);
    system.precision = true;
    restoreSystemDefaults(system, messages, config);
    EXPECT_EQ(
        system.writes,
        (std::vector<Write>{
            {Setting::Precision, 0}, {Setting::Speed, 10}, {Setting::WheelLines, 3}, {Setting::DoubleClick, 500}}));
    EXPECT_EQ(levelsOf(config), (Levels{0, 0, 6, 3, 6}));
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(SystemPointerTest, DefaultTakesTheDefaultLevelsEvenWhenTheSystemRefuses) {
    system.setAllOutcomes(SettingOutcome::Failed);
    restoreSystemDefaults(system, messages, config);
    EXPECT_EQ(levelsOf(config), (Levels{0, 0, 6, 3, 6}));
    EXPECT_EQ(messages.messages.size(), 4U);
}

} // namespace
} // namespace q417
