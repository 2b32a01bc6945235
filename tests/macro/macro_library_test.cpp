#include "macro/macro_library.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace q417 {
namespace {

using test::TempDir;
using Lines = std::vector<std::string>;

class MacroLibraryTest : public ::testing::Test {
protected:
    TempDir dir;
    MacroLibrary library{dir / "record.ini"};
    MouseConfig config{};
};

TEST_F(MacroLibraryTest, MissingFileHasNoMacrosAndCompilesNothing) {
    config.macroSlots[0].setRepeats(5);
    EXPECT_TRUE(library.listMacroNames().empty());
    EXPECT_TRUE(library.loadMacro("any").empty());
    library.compileMacroSlots(config);
    EXPECT_EQ(config.macroSlots[0].repeats(), 5);
    EXPECT_FALSE(std::filesystem::exists(dir / "record.ini"));
}

TEST_F(MacroLibraryTest, SaveWritesTheLinesAndRebuildsTheSlots) {
    ASSERT_TRUE(library.saveMacro("copy", {"Ctrl   Dn", "20 ms", "C   Dn"}, config).ok());
    EXPECT_EQ(dir.read("record.ini"), "[copy]\nItemCount=3\nItem0=Ctrl   Dn\nItem1=20 ms\nItem2=C   Dn\n");
    EXPECT_EQ(library.loadMacro("COPY"), (Lines{"Ctrl   Dn", "20 ms", "C   Dn"}));
    EXPECT_EQ(config.macroSlots[0].eventPairs[0], 0x02);
    EXPECT_EQ(config.macroSlots[0].eventPairs[1], 0xE0);
    EXPECT_EQ(config.macroSlots[0].eventPairs[3], 0x06);
}

TEST_F(MacroLibraryTest, ResavingAMacroKeepsEveryMacrosSlot) {
    library.saveMacro("one", {"A   Dn"}, config);
    library.saveMacro("two", {"B   Dn"}, config);
    library.saveMacro("three", {"C   Dn"}, config);
    ASSERT_TRUE(library.saveMacro("ONE", {"D   Dn", "10 ms", "D   Up"}, config).ok());
    EXPECT_EQ(library.listMacroNames(), (Lines{"one", "two", "three"}));
    EXPECT_EQ(config.macroSlots[0].eventPairs[1], 0x07) << "slot 1 holds the new version";
    EXPECT_EQ(config.macroSlots[1].eventPairs[1], 0x05);
    EXPECT_EQ(config.macroSlots[2].eventPairs[1], 0x06);
}

TEST_F(MacroLibraryTest, DeleteRemovesTheSectionButLeavesTheSlotsUntilTheNextSave) {
    library.saveMacro("one", {"A   Dn"}, config);
    library.saveMacro("two", {"B   Dn"}, config);
    ASSERT_TRUE(library.deleteMacro("one").ok());
    EXPECT_EQ(library.listMacroNames(), (Lines{"two"}));
    EXPECT_EQ(config.macroSlots[1].eventPairs[1], 0x05);
    library.saveMacro("three", {"C   Dn"}, config);
    EXPECT_EQ(config.macroSlots[0].eventPairs[1], 0x05) << "two moved to slot 1";
}

TEST_F(MacroLibraryTest, NamesAreCutTo31CharactersAndMustNotBeBlank) {
    const std::string longName(40, 'n');
    ASSERT_TRUE(library.saveMacro(longName, {"A   Dn"}, config).ok());
    EXPECT_EQ(library.listMacroNames(), (Lines{std::string(31, 'n')}));
    EXPECT_EQ(library.saveMacro("  ", {"A   Dn"}, config).kind, ErrorKind::Usage);
    EXPECT_EQ(library.listMacroNames().size(), 1U);
}

TEST_F(MacroLibraryTest, CountsDecideWhatHappensToEachSlot) {
    for (MacroSlot& slot : config.macroSlots) {
        slot.setRepeats(9);
        slot.eventPairs.fill(0xEE);
    }
    dir.write("record.ini", "[zero]\nItemCount=0\nItem0=A   Dn\n"
                            "[missing]\nItem0=A   Dn\n"
                            "[negative]\nItemCount=-5\nItem0=A   Dn\n"
                            "[huge]\nItemCount=2147483647\nItem0=A   Dn\nItem1=30 ms\n"
                            "[junk]\nItemCount=x\n");
    library.compileMacroSlots(config);
    EXPECT_EQ(config.macroSlots[0].repeats(), 0);
    EXPECT_EQ(config.macroSlots[0].eventPairs[0], 0);
    EXPECT_EQ(config.macroSlots[1].repeats(), 0) << "a missing count reads as 0";
    EXPECT_EQ(config.macroSlots[2].repeats(), 9) << "a negative count leaves the slot alone";
    EXPECT_EQ(config.macroSlots[2].eventPairs[0], 0xEE);
    EXPECT_EQ(config.macroSlots[3].repeats(), 9);
    EXPECT_EQ(config.macroSlots[3].eventPairs[0], 0x03);
    EXPECT_EQ(config.macroSlots[3].eventPairs[2], 0x00);
    EXPECT_EQ(config.macroSlots[4].repeats(), 0);
    EXPECT_EQ(config.macroSlots[5].eventPairs[0], 0xEE) << "no section, no change";
    EXPECT_EQ(library.loadMacro("huge"), (Lines{"A   Dn", "30 ms"}));
}

TEST_F(MacroLibraryTest, SlotNumbersFollowFileOrderAndStopAtTwelve) {
    std::string text;
    for (int i = 0; i < 10'000; ++i) {
        text += "[m" + std::to_string(i) + "]\nItemCount=1\nItem0=" + (i % 2 ? "B" : "A") + "   Dn\n";
    }
    dir.write("record.ini", text);
    EXPECT_EQ(library.listMacroNames().size(), 10'000U);
    library.compileMacroSlots(config);
    for (std::size_t slot = 0; slot < kMacroSlotCount; ++slot) {
        EXPECT_EQ(config.macroSlots[slot].eventPairs[1], slot % 2 ? 0x05 : 0x04) << slot;
    }
}

TEST_F(MacroLibraryTest, SectionsDifferingOnlyInCaseAreOneMacro) {
    dir.write("record.ini", "[Fire]\nItemCount=1\nItem0=A   Dn\n[FIRE]\nItemCount=1\nItem0=B   Dn\n");
    EXPECT_EQ(library.listMacroNames(), (Lines{"Fire", "FIRE"}));
    library.compileMacroSlots(config);
    EXPECT_EQ(config.macroSlots[1].eventPairs[1], 0x04) << "the second name reads the first section";
    EXPECT_EQ(library.loadMacro("fire"), (Lines{"A   Dn"}));
}

TEST_F(MacroLibraryTest, LoadReadsMissingLinesAsEmptyAndIgnoresOddKeys) {
    dir.write("record.ini", "[m]\nItemCount=4\nItem0=A   Dn\nItem03=x\nitem2=20 ms\nItem2=dup\nItem3=B   Up\n");
    EXPECT_EQ(library.loadMacro("m"), (Lines{"A   Dn", "", "20 ms", "B   Up"}));
}

TEST_F(MacroLibraryTest, MissingLinesReadAsEmptyOnlyWhileTheSectionHoldsAsManyLines) {
    struct Case {
        const char* keys;
        Lines lines;
    };
    const Case cases[] = {
        {"ItemCount=5\nItem0=A\nItem2=B\nItem4=C\n", {"A", "", "B", "", "C"}},
        {"ItemCount=2\nItem1=A\n", {"", "A"}},
        {"ItemCount=10\nItem0=A\nItem5=B\n", {"A"}}, // a gap of 4 with 2 lines held ends the lines
        {"ItemCount=3\nItem2=A\n", {}},
        {"ItemCount=2\nItem0=A\nItem1=B\nItem9=C\n", {"A", "B"}}, // lines past the count are not held
    };
    for (const Case& c : cases) {
        dir.write("record.ini", std::string("[m]\n") + c.keys);
        EXPECT_EQ(library.loadMacro("m"), c.lines) << c.keys;
    }
}

TEST_F(MacroLibraryTest, AnAbsurdCountAndLineNumberCostNothing) {
    dir.write("record.ini", "[macro1]\nItemCount=2147483647\nItem2147483646=A   Dn\n");
    ASSERT_EQ(std::filesystem::file_size(dir / "record.ini"), 52U);
    EXPECT_TRUE(library.loadMacro("macro1").empty());
    library.compileMacroSlots(config);
    EXPECT_EQ(config.macroSlots[0].eventPairs[0], 0x00) << "the encoder reads the one line held";
    EXPECT_EQ(config.macroSlots[0].eventPairs[1], 0x04);
}

TEST_F(MacroLibraryTest, SavingBuildsTheSlotsFromWhatItWrote) {
    std::string text;
    for (int i = 0; i < 10'000; ++i) {
        text += "[m" + std::to_string(i) + "]\nItemCount=1\nItem0=A   Dn\n";
    }
    dir.write("record.ini", text);
    ASSERT_TRUE(library.saveMacro("m3", {"B   Dn", "30 ms"}, config).ok());
    EXPECT_EQ(config.macroSlots[3].eventPairs[0], 0x03);
    EXPECT_EQ(config.macroSlots[3].eventPairs[1], 0x05);
    EXPECT_EQ(config.macroSlots[11].eventPairs[1], 0x04);
}

} // namespace
} // namespace q417
