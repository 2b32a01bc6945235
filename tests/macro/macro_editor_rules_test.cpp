#include "macro/macro_editor_rules.h"
#include "macro/macro_library.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace q417 {
namespace {

using Lines = std::vector<std::string>;

Lines twelveMacros() {
    Lines names;
    for (int i = 0; i < 12; ++i) {
        names.push_back("m" + std::to_string(i));
    }
    return names;
}

TEST(MacroEditorRules, NewChecksBlankThenCountThenDuplicates) {
    struct Case {
        const char* name;
        const char* typed;
        Lines listed;
        NewMacroRefusal refusal;
    };
    const Case cases[] = {
        {"empty box", "", {}, NewMacroRefusal::NameBlank},
        {"blank even when the list is full", "", twelveMacros(), NewMacroRefusal::NameBlank},
        {"blanks only are blank", "   ", {}, NewMacroRefusal::NameBlank},
        {"nothing storable is blank", "[]\t", {}, NewMacroRefusal::NameBlank},
        {"twelve before the duplicate test", "m3", twelveMacros(), NewMacroRefusal::TooMany},
        {"thirteen listed", "new",
         [] {
             Lines l = twelveMacros();
             l.push_back("x");
             return l;
         }(),
         NewMacroRefusal::TooMany},
        {"duplicate without regard to case", "abc", {"x", "ABC"}, NewMacroRefusal::NameExists},
        {"duplicate once blanks at the ends go", " abc ", {"abc"}, NewMacroRefusal::NameExists},
        {"case folds ASCII only", "\xC3\xA9", {"\xC3\x89"}, NewMacroRefusal::None},
        {"first macro", "abc", {}, NewMacroRefusal::None},
        {"eleven listed", "new", {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k"}, NewMacroRefusal::None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(checkNewMacroName(c.typed, c.listed), c.refusal) << c.name;
    }
}

TEST(MacroEditorRules, LoopTimesOutsideOneTo65535BecomeOne) {
    struct Case {
        const char* typed;
        const char* text;
        std::uint16_t value;
    };
    const Case cases[] = {
        {"", "1", 1},      {"0", "1", 1},           {"70000", "1", 1},      {"abc", "1", 1},
        {"-5", "1", 1},    {"99999999999", "1", 1}, {"1", "1", 1},          {"65535", "65535", 65535},
        {"65536", "1", 1}, {"007", "007", 7},       {"12abc", "12abc", 12},
    };
    for (const Case& c : cases) {
        const LoopTimes loop = loopTimesRule(c.typed);
        EXPECT_EQ(loop.text, c.text) << c.typed;
        EXPECT_EQ(loop.value, c.value) << c.typed;
    }
}

TEST(MacroEditorRules, PickingAMouseEventInsertsItByTheSelectedLine) {
    const Lines lines{"A   Dn", "50 ms", "A   Up", "50 ms", "B   Dn"};
    struct Case {
        const char* name;
        const char* entry;
        Lines eventLines;
        std::optional<std::size_t> selected;
        bool macroSelected;
        std::optional<std::size_t> at; // nothing: nothing is inserted
        Lines inserted;
        std::optional<std::size_t> select;
    };
    const Case cases[] = {
        {"click after a delay line",
         "R-Button Click",
         lines,
         3,
         true,
         4,
         {"R-Button   Dn", "50 ms", "R-Button   Up", "50 ms"},
         4},
        {"press or release after an event line", "M-Button   Up", lines, 0, true, 1, {"50 ms", "M-Button   Up"}, 2},
        {"click after an event line",
         "L-Button Click",
         lines,
         4,
         true,
         5,
         {"50 ms", "L-Button   Dn", "50 ms", "L-Button   Up"},
         6},
        {"press after a delay line", "L-Button   Dn", lines, 1, true, 2, {"L-Button   Dn", "50 ms"}, 2},
        {"lines but none selected", "L-Button Click", lines, std::nullopt, true, std::nullopt, {}, std::nullopt},
        {"empty list, macro selected: click at the top",
         "M-Button Click",
         {},
         std::nullopt,
         true,
         0,
         {"M-Button   Dn", "50 ms", "M-Button   Up", "50 ms"},
         std::nullopt},
        {"empty list, macro selected: press at the top",
         "R-Button   Dn",
         {},
         std::nullopt,
         true,
         0,
         {"R-Button   Dn", "50 ms"},
         std::nullopt},
        {"empty list, no macro selected", "R-Button   Dn", {}, std::nullopt, false, std::nullopt, {}, std::nullopt},
        {"a selection past the lines is none", "R-Button   Dn", lines, 9, true, std::nullopt, {}, std::nullopt},
    };
    for (const Case& c : cases) {
        const auto insertion = mouseEventInsertion(c.entry, c.eventLines, c.selected, c.macroSelected);
        ASSERT_EQ(insertion.has_value(), c.at.has_value()) << c.name;
        if (insertion) {
            EXPECT_EQ(insertion->at, *c.at) << c.name;
            EXPECT_EQ(insertion->lines, c.inserted) << c.name;
            EXPECT_EQ(insertion->select, c.select) << c.name;
        }
    }
}

TEST(MacroEditorRules, EveryDropDownEntryInsertsLinesTheEncoderKnows) {
    for (const std::string_view entry : kMouseEventEntries) {
        const auto insertion = mouseEventInsertion(entry, {}, std::nullopt, true);
        ASSERT_TRUE(insertion.has_value()) << entry;
        for (const std::string& line : insertion->lines) {
            EXPECT_TRUE(line == "50 ms" || line.starts_with("L-Button   ") || line.starts_with("R-Button   ") ||
                        line.starts_with("M-Button   "))
                << line;
        }
    }
}

TEST(MacroEditorRules, TypedDelaysAreKeptWithinTwentyToTenThousand) {
    struct Case {
        const char* typed;
        const char* line;
    };
    const Case cases[] = {
        {"", "20 ms"},         {"5", "20 ms"},         {"19", "20 ms"},
        {"20", "20 ms"},       {"0050", "0050 ms"},    {"10000", "10000 ms"},
        {"10001", "10000 ms"}, {"123456", "10000 ms"}, {"99999999999999999999999999999999", "10000 ms"},
        {"+300", "300 ms"}, // not digits alone: written as the number it stands for
    };
    for (const Case& c : cases) {
        EXPECT_EQ(delayLineFromTyped(c.typed), c.line) << c.typed;
    }
}

TEST(MacroEditorRules, TheNameBoxKeepsOutWhatASectionHeaderCannotHold) {
    for (const char32_t c : {U'a', U' ', U'-', U';', U'=', U'#', U'"', U'\u00E9', U'\u4E2D', U'\U0001F600'}) {
        EXPECT_TRUE(isMacroNameChar(c)) << static_cast<unsigned>(c);
    }
    for (const char32_t c : {U'[', U']', U'\n', U'\r', U'\t', U'\0', U'\x7F', U'\u0085', U'\u2028', U'\u2029',
                             char32_t{0xD800}, char32_t{0x110000}}) {
        EXPECT_FALSE(isMacroNameChar(c)) << static_cast<unsigned>(c);
    }
}

TEST(MacroEditorRules, StorableNamesComeBackFromRecordIniAsTheyAre) {
    struct Case {
        std::string typed;
        std::string stored;
    };
    const std::string chinese31 = [] {
        std::string s;
        for (int i = 0; i < 31; ++i) {
            s += "\xE4\xB8\xAD";
        }
        return s;
    }();
    const Case cases[] = {
        {"Fire", "Fire"},
        {"  Fire 2  ", "Fire 2"},
        {"a]b[c", "abc"},
        {"line\nbreak\r\tand\x01 more", "linebreakand more"},
        {";starts like a comment", ";starts like a comment"},
        {std::string(40, 'n'), std::string(31, 'n')},
        {std::string(30, 'n') + "  tail", std::string(30, 'n')}, // the cut leaves a blank: trimmed too
        {chinese31 + "\xE4\xB8\xAD", chinese31},                 // 31 characters, not bytes
        {"ok\xC3\x28\xFF", "ok("},                               // malformed UTF-8 goes
        {"\xE2\x80\xA8", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(storableMacroName(c.typed), c.stored) << c.typed;
    }
}

TEST(MacroEditorRules, StorableNamesRoundTripThroughTheFile) {
    const test::TempDir dir;
    MacroLibrary library(dir / "record.ini");
    MouseConfig config{};
    Lines saved;
    for (const char* typed : {" ;comment", "#hash", "a=b", "\"quoted\"", "'q'", "x[y]z", "\xE4\xB8\xAD \xC3\xA9"}) {
        const std::string name = storableMacroName(typed);
        ASSERT_TRUE(library.saveMacro(name, {"A   Dn"}, config).ok()) << typed;
        saved.push_back(name);
    }
    EXPECT_EQ(library.listMacroNames(), saved);
}

} // namespace
} // namespace q417
