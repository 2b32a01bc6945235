#include "assign/function_choice.h"
#include "config/key_word.h"
#include "texts/texts_media_launch.h"

#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace q417 {
namespace {

constexpr auto kKeyOff = static_cast<std::uint8_t>(ButtonFunction::KeyOff);
constexpr std::size_t kModeA = 0;
constexpr std::size_t kModeB = 1;

bool sameBytes(const MouseConfig& a, const MouseConfig& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Starts from the default assignments, with a label per button that names where it came from.
class FunctionChoiceTest : public ::testing::Test {
protected:
    FunctionChoiceTest() {
        resetKeyAssignments(config);
        for (std::size_t mode = 0; mode < kModeCount; ++mode) {
            for (std::size_t button = 0; button < kButtonCount; ++button) {
                labels[mode][button] = "old " + std::to_string(mode) + "/" + std::to_string(button);
            }
        }
    }

    void editMode(std::size_t mode) { config.activeMode = static_cast<std::uint8_t>(mode); }

    ChoiceOutcome choose(std::size_t button, std::size_t row, const std::optional<DialogChoice>& result = {},
                         Language language = Language::English) {
        return applyFunctionChoice(config, labels, language, button, row, result);
    }

    // Nothing at all changed since `before`.
    void expectUnchanged(const MouseConfig& before, const KeyLabels& labelsBefore) const {
        EXPECT_TRUE(sameBytes(config, before));
        EXPECT_EQ(labels, labelsBefore);
    }

    MouseConfig config{};
    KeyLabels labels;
};

TEST_F(FunctionChoiceTest, RightClickForButton3InModeAChangesOnlyModeA) {
    const MouseConfig before = config;
    const KeyLabels labelsBefore = labels;

    EXPECT_EQ(choose(3, 1), ChoiceOutcome::Stored);

    EXPECT_EQ(config.banks[kModeA].function[3], 1);
    EXPECT_EQ(labels[kModeA][3], "Right Click");
    EXPECT_EQ(std::memcmp(&config.banks[kModeB], &before.banks[kModeB], sizeof(KeyBank)), 0);
    EXPECT_EQ(labels[kModeB], labelsBefore[kModeB]);
}

TEST_F(FunctionChoiceTest, Button0InModeBGoesToTheSecondBankAndModeBLabel) {
    editMode(kModeB);
    EXPECT_EQ(choose(0, 2), ChoiceOutcome::Stored);
    EXPECT_EQ(config.banks[kModeB].function[0], 2);
    EXPECT_EQ(labels[kModeB][0], "Mid Click");
    EXPECT_EQ(config.banks[kModeA].function[0], 0);
    EXPECT_EQ(labels[kModeA][0], "old 0/0");
}

TEST_F(FunctionChoiceTest, ChoosingOverKeyOffSetsBothModesWithParametersAndLabel) {
    for (const std::size_t edited : {kModeA, kModeB}) {
        editMode(edited);
        const std::size_t other = 1 - edited;
        config.banks[edited].function[4] = kKeyOff;
        config.banks[other].function[4] = 1;

        EXPECT_EQ(choose(4, 10, FireKeyChoice{.row = 39, .text = "R-CTRL", .speed = 5, .times = 0}),
                  ChoiceOutcome::StoredBothModes);

        for (const std::size_t mode : {kModeA, kModeB}) {
            EXPECT_EQ(config.banks[mode].function[4], 10) << "mode " << mode;
            EXPECT_EQ(config.banks[mode].fireKeyIndex[4], 39) << "mode " << mode;
            EXPECT_EQ(encodeKeyWord(config, mode, 4), (KeyWord{0x0A, 0xE4, 0x05, 0x00})) << "mode " << mode;
            EXPECT_EQ(labels[mode][4], "Fire Key-R-CTRL") << "mode " << mode;
        }
    }
}

TEST_F(FunctionChoiceTest, KeyOffInTheOtherModeOnlyDoesNotSpreadTheChoice) {
    config.banks[kModeB].function[2] = kKeyOff;
    EXPECT_EQ(choose(2, 0), ChoiceOutcome::Stored);
    EXPECT_EQ(config.banks[kModeB].function[2], kKeyOff);
    EXPECT_EQ(labels[kModeB][2], "old 1/2");
}

TEST_F(FunctionChoiceTest, WindowsConfirmedWithoutPickingAssignsItsFirstRow) {
    const WindowsKeyChoice untouched{.row = 0, .text = std::string(launchRowText(Language::English, 0))};
    EXPECT_EQ(choose(5, 8, untouched), ChoiceOutcome::Stored);
    const KeyBank& bank = config.banks[kModeA];
    EXPECT_EQ(bank.function[5], 8);
    EXPECT_EQ(bank.launchIndex[5], 0);
    EXPECT_EQ(bank.launchCodeLow[5], 0x83);
    EXPECT_EQ(bank.launchCodeHigh[5], 1);
    EXPECT_EQ(labels[kModeA][5], "Multimedia Player");
}

TEST_F(FunctionChoiceTest, EachDialogStoresWhatItsKeyWordAndLabelNeed) {
    struct Case {
        DialogChoice result;
        KeyWord word;
        std::string label;
    };
    const Case cases[] = {
        {WindowsKeyChoice{10, "Browser-My Favorites"}, {0x03, 0x00, 0x2A, 0x02}, "Browser-My Favorites"},
        {MediaKeyChoice{6, "Vol-"}, {0x03, 0x00, 0xEA, 0x00}, "Multimedia-Vol-"},
        {FireKeyChoice{0, "A", 32, 1}, {0x0A, 0x04, 0x20, 0x01}, "Fire Key-A"},
        {SingleKeyChoice{"Num Del"}, {0x00, 0x00, 0x63, 0x00}, "Single Key-Num Del"},
        {SingleKeyChoice{"ctrl"}, {0x00, 0x00, 0x00, 0x00}, "Single Key-ctrl"},
        {ComboKeyChoice{"Left Ctrl", "C", ""}, {0x00, 0x01, 0x06, 0x00}, "Combo Key-Left Ctrl+C"},
        {ComboKeyChoice{"Left Ctrl", "", ""}, {0x00, 0x01, 0x00, 0x00}, "Combo Key-Left Ctrl"},
        {ComboKeyChoice{"", "", "Right Ctrl"}, {0x00, 0x00, 0x00, 0xE4}, "Combo Key-Right Ctrl"},
        {ComboKeyChoice{}, {0x00, 0x00, 0x00, 0x00}, "Combo Key-"},
        {MacroKeyChoice{1, "B", 3}, {0x09, 0x02, 0x02, 0x00}, "Macro Key-B"},
        {MacroKeyChoice{0, "", 1}, {0x09, 0x00, 0x01, 0x00}, "Macro Key-"},
        {MacroKeyChoice{0, "", 0}, {0x09, 0x00, 0x01, 0x00}, "Macro Key-"}, // a dialog that failed to set up
    };
    for (const Case& c : cases) {
        const auto row = static_cast<std::size_t>(functionOf(c.result));
        EXPECT_EQ(choose(7, row, c.result), ChoiceOutcome::Stored) << c.label;
        EXPECT_EQ(encodeKeyWord(config, kModeA, 7), c.word) << c.label;
        EXPECT_EQ(labels[kModeA][7], c.label);
    }
}

TEST_F(FunctionChoiceTest, ListRowsOfTheDialogsAreKeptAsIndices) {
    choose(1, 9, MediaKeyChoice{6, "Vol-"});
    choose(2, 10, FireKeyChoice{60, "R-Tilt Wheel", 255, 0});
    choose(3, 13, MacroKeyChoice{11, "L", 2});
    const KeyBank& bank = config.banks[kModeA];
    EXPECT_EQ(bank.mediaIndex[1], 6);
    EXPECT_EQ(bank.fireKeyIndex[2], 60);
    EXPECT_EQ(bank.macroNumber[3], 11);
    EXPECT_EQ(bank.macroMode[3], 1);
}

TEST_F(FunctionChoiceTest, LabelIsMadeInTheLanguageInForce) {
    choose(1, 0, {}, Language::Chs);
    choose(2, 12, ComboKeyChoice{"Left Ctrl", "C", ""}, Language::Span);
    EXPECT_EQ(labels[kModeA][1], "左键");
    EXPECT_EQ(labels[kModeA][2], "Boton Combo-Left Ctrl+C");
}

TEST_F(FunctionChoiceTest, ChoicesThatStoreNothing) {
    constexpr std::size_t kHuge = std::numeric_limits<std::size_t>::max();
    struct Case {
        const char* what = "";
        std::size_t button = 0;
        std::size_t row = 0;
        std::optional<DialogChoice> result;
    };
    const Case cases[] = {
        {"DPI switch row: the sub-list assigns it", 3, 6, std::nullopt},
        {"row past the list", 3, 15, std::nullopt},
        {"huge row", 3, kHuge, std::nullopt},
        {"button past 11", kButtonCount, 0, std::nullopt},
        {"huge button", kHuge, 1, std::nullopt},
        {"Windows cancelled", 3, 8, std::nullopt},
        {"media cancelled", 3, 9, std::nullopt},
        {"fire key cancelled", 3, 10, std::nullopt},
        {"single key cancelled", 3, 11, std::nullopt},
        {"combo cancelled", 3, 12, std::nullopt},
        {"macro cancelled", 3, 13, std::nullopt},
        {"result of another dialog", 3, 9, WindowsKeyChoice{0, "Multimedia Player"}},
        {"dialog result with the DPI row", 3, 6, MediaKeyChoice{0, "Next"}},
        {"launch row past the list", 3, 8, WindowsKeyChoice{11, "?"}},
        {"media row past the list", 3, 9, MediaKeyChoice{7, "?"}},
        {"fire-key row past the list", 3, 10, FireKeyChoice{61, "?", 32, 1}},
        {"macro row past the slots", 3, 13, MacroKeyChoice{12, "M", 1}},
        {"huge launch row", 3, 8, WindowsKeyChoice{kHuge, "?"}},
    };
    config.banks[kModeA].function[3] = kKeyOff; // would spread to Mode B if anything were stored
    const MouseConfig before = config;
    const KeyLabels labelsBefore = labels;
    for (const Case& c : cases) {
        EXPECT_EQ(choose(c.button, c.row, c.result), ChoiceOutcome::NotStored) << c.what;
        expectUnchanged(before, labelsBefore);
    }
}

TEST_F(FunctionChoiceTest, DpiVariantGoesToTheEditedModeWithItsText) {
    editMode(kModeB);
    EXPECT_EQ(applyDpiSwitchChoice(config, labels, 8, DpiSwitchVariant::Shift), ChoiceOutcome::Stored);
    EXPECT_EQ(config.banks[kModeB].function[8], 6);
    EXPECT_EQ(config.dpiSwitchMode[kModeB][8], 4);
    EXPECT_EQ(encodeKeyWord(config, kModeB, 8), (KeyWord{0x07, 0x00, 0x04, 0x01}));
    EXPECT_EQ(labels[kModeB][8], "Shift DPI");
    EXPECT_EQ(config.banks[kModeA].function[8], 12) << "Mode A keeps its default combo";
    EXPECT_EQ(labels[kModeA][8], "old 0/8");
}

TEST_F(FunctionChoiceTest, DpiVariantOverKeyOffSetsBothModes) {
    config.banks[kModeA].function[9] = kKeyOff;
    EXPECT_EQ(applyDpiSwitchChoice(config, labels, 9, DpiSwitchVariant::Loop), ChoiceOutcome::StoredBothModes);
    for (const std::size_t mode : {kModeA, kModeB}) {
        EXPECT_EQ(encodeKeyWord(config, mode, 9), (KeyWord{0x07, 0x00, 0x03, 0x00})) << "mode " << mode;
        EXPECT_EQ(labels[mode][9], "DPI Loop") << "mode " << mode;
    }
}

TEST_F(FunctionChoiceTest, DpiVariantOutOfRangeStoresNothing) {
    const MouseConfig before = config;
    const KeyLabels labelsBefore = labels;
    EXPECT_EQ(applyDpiSwitchChoice(config, labels, 1, static_cast<DpiSwitchVariant>(0)), ChoiceOutcome::NotStored);
    EXPECT_EQ(applyDpiSwitchChoice(config, labels, 1, static_cast<DpiSwitchVariant>(5)), ChoiceOutcome::NotStored);
    EXPECT_EQ(applyDpiSwitchChoice(config, labels, kButtonCount, DpiSwitchVariant::Up), ChoiceOutcome::NotStored);
    expectUnchanged(before, labelsBefore);
}

} // namespace
} // namespace q417
