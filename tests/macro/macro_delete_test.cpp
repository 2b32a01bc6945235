#include "macro/macro_delete.h"
#include "support/temp_dir.h"

#include <cstring>
#include <gtest/gtest.h>

namespace q417 {
namespace {

using test::TempDir;
using Lines = std::vector<std::string>;

constexpr auto kMacroKey = static_cast<std::uint8_t>(ButtonFunction::MacroKey);
constexpr auto kKeyOff = static_cast<std::uint8_t>(ButtonFunction::KeyOff);
constexpr auto kSingleKey = static_cast<std::uint8_t>(ButtonFunction::SingleKey);

// Macros A, B and C (key codes 4, 5, 6) with repeat counts 3, 4 and 5; Mode A's button 2 plays B,
// Mode B's button 5 plays C, and Mode A's button 7 is a single key whose unused macro number is 1.
class MacroDeleteTest : public ::testing::Test {
protected:
    TempDir dir;
    MacroLibrary library{dir / "record.ini"};
    MouseConfig config{};
    KeyLabels labels{};

    void SetUp() override {
        ASSERT_TRUE(library.saveMacro("A", {"A   Dn", "50 ms", "A   Up"}, config).ok());
        ASSERT_TRUE(library.saveMacro("B", {"B   Dn"}, config).ok());
        ASSERT_TRUE(library.saveMacro("C", {"C   Dn", "20 ms", "C   Up"}, config).ok());
        for (std::uint16_t slot = 0; slot < 3; ++slot) {
            config.macroSlots[slot].setRepeats(static_cast<std::uint16_t>(slot + 3));
        }
        assignMacro(0, 2, 1, "Macro Key-B");
        assignMacro(1, 5, 2, "Macro Key-C");
        config.banks[0].function[7] = kSingleKey;
        config.banks[0].macroNumber[7] = 1;
        labels[0][7] = "Single Key-A";
    }
    void assignMacro(std::size_t mode, std::size_t button, std::uint8_t number, const std::string& label) {
        config.banks[mode].function[button] = kMacroKey;
        config.banks[mode].macroNumber[button] = number;
        config.banks[mode].macroMode[button] = 2;
        labels[mode][button] = label;
    }
    // The slot's first event: timing byte and key code.
    std::pair<int, int> firstEvent(std::size_t slot) const {
        return {config.macroSlots[slot].eventPairs[0], config.macroSlots[slot].eventPairs[1]};
    }
};

TEST_F(MacroDeleteTest, DeletingTheFirstMacroMovesTheOthersUpWithTheirButtonsAndCounts) {
    ASSERT_TRUE(deleteMacroAndRenumber(library, "A", config, labels, Language::English).ok());
    EXPECT_EQ(library.listMacroNames(), (Lines{"B", "C"}));
    EXPECT_EQ(config.banks[0].macroNumber[2], 0);
    EXPECT_EQ(config.banks[1].macroNumber[5], 1);
    EXPECT_EQ(config.banks[0].function[2], kMacroKey);
    EXPECT_EQ(config.banks[0].macroMode[2], 2);
    EXPECT_EQ(labels[0][2], "Macro Key-B") << "the label names the macro, which did not change";
    EXPECT_EQ(labels[1][5], "Macro Key-C");
    EXPECT_EQ(config.banks[0].macroNumber[7], 1) << "only macro buttons are renumbered";

    EXPECT_EQ(config.macroSlots[0].repeats(), 4);
    EXPECT_EQ(firstEvent(0), std::make_pair(0x00, 0x05));
    EXPECT_EQ(config.macroSlots[1].repeats(), 5);
    EXPECT_EQ(firstEvent(1), std::make_pair(0x02, 0x06));
    EXPECT_EQ(config.macroSlots[2].repeats(), 0) << "the slot freed at the end is empty";
    EXPECT_EQ(firstEvent(2), std::make_pair(0, 0));
}

TEST_F(MacroDeleteTest, ButtonsThatPlayedTheMacroBecomeKeyOff) {
    ASSERT_TRUE(deleteMacroAndRenumber(library, "b", config, labels, Language::English).ok());
    EXPECT_EQ(library.listMacroNames(), (Lines{"A", "C"}));
    EXPECT_EQ(config.banks[0].function[2], kKeyOff);
    EXPECT_EQ(labels[0][2], "Key Off");
    EXPECT_EQ(config.banks[1].macroNumber[5], 1);
    EXPECT_EQ(labels[1][5], "Macro Key-C");
    EXPECT_EQ(config.macroSlots[0].repeats(), 3);
    EXPECT_EQ(firstEvent(0), std::make_pair(0x05, 0x04));
    EXPECT_EQ(config.macroSlots[1].repeats(), 5);
    EXPECT_EQ(firstEvent(1), std::make_pair(0x02, 0x06));
}

TEST_F(MacroDeleteTest, TheKeyOffLabelIsInTheLanguageInForce) {
    ASSERT_TRUE(deleteMacroAndRenumber(library, "B", config, labels, Language::Span).ok());
    EXPECT_EQ(labels[0][2], "Boton Apagado");
}

TEST_F(MacroDeleteTest, ANameTheFileDoesNotHoldChangesNothing) {
    const std::string before = dir.read("record.ini");
    const MouseConfig configBefore = config;
    const KeyLabels labelsBefore = labels;
    ASSERT_TRUE(deleteMacroAndRenumber(library, "never confirmed", config, labels, Language::English).ok());
    EXPECT_EQ(dir.read("record.ini"), before);
    EXPECT_EQ(std::memcmp(&config, &configBefore, sizeof config), 0);
    EXPECT_EQ(labels, labelsBefore);
}

TEST_F(MacroDeleteTest, AFailedWriteChangesNothing) {
    std::filesystem::remove(dir / "record.ini");
    std::filesystem::create_directory(dir / "record.ini");
    const MouseConfig configBefore = config;
    EXPECT_FALSE(deleteMacroAndRenumber(library, "B", config, labels, Language::English).ok());
    EXPECT_EQ(std::memcmp(&config, &configBefore, sizeof config), 0);
    EXPECT_EQ(labels[0][2], "Macro Key-B");
}

TEST_F(MacroDeleteTest, SectionsSharingTheNameGoTogether) {
    // [A] [B] [C] [b]: deleting "B" removes slots 1 and 3; C moves from 2 to 1.
    dir.write("record.ini", dir.read("record.ini") + "[b]\nItemCount=1\nItem0=D   Dn\n");
    library.compileMacroSlots(config);
    config.macroSlots[3].setRepeats(9);
    assignMacro(0, 3, 3, "Macro Key-b");
    assignMacro(0, 4, 4, "Macro Key-gone");
    ASSERT_TRUE(deleteMacroAndRenumber(library, "B", config, labels, Language::English).ok());
    EXPECT_EQ(library.listMacroNames(), (Lines{"A", "C"}));
    EXPECT_EQ(config.banks[0].function[2], kKeyOff);
    EXPECT_EQ(config.banks[0].function[3], kKeyOff);
    EXPECT_EQ(config.banks[1].macroNumber[5], 1);
    EXPECT_EQ(config.banks[0].macroNumber[4], 2) << "a number past the file moves down with the rest";
    EXPECT_EQ(config.macroSlots[1].repeats(), 5);
    EXPECT_EQ(config.macroSlots[2].repeats(), 0);
}

TEST_F(MacroDeleteTest, AMacroPastTheTwelfthMovesNoSlot) {
    std::string text = dir.read("record.ini");
    for (int i = 3; i < 14; ++i) {
        text += "[m" + std::to_string(i) + "]\nItemCount=1\nItem0=E   Dn\n";
    }
    dir.write("record.ini", text);
    library.compileMacroSlots(config);
    const MouseConfig configBefore = config;
    ASSERT_TRUE(deleteMacroAndRenumber(library, "m12", config, labels, Language::English).ok());
    EXPECT_EQ(library.listMacroNames().size(), 13U);
    EXPECT_EQ(std::memcmp(&config, &configBefore, sizeof config), 0);
}

} // namespace
} // namespace q417
