#include "assign/function_label.h"

#include <gtest/gtest.h>
#include <limits>

namespace q417 {
namespace {

TEST(DirectChoiceLabel, IsTheRowTextForDirectRowsOnly) {
    EXPECT_EQ(directChoiceLabel(Language::English, 1), "Right Click");
    EXPECT_EQ(directChoiceLabel(Language::Chs, 14), "按键关闭");
    EXPECT_EQ(directChoiceLabel(Language::Span, 7), "RGB Encendido / Apagado");
    for (const std::size_t row :
         {std::size_t{6}, std::size_t{8}, std::size_t{13}, std::size_t{15}, std::numeric_limits<std::size_t>::max()}) {
        EXPECT_EQ(directChoiceLabel(Language::English, row), "") << "row " << row;
    }
}

TEST(DialogChoiceLabel, PrefixInTheLanguageOfTheChoiceThenWhatWasChosen) {
    struct Case {
        Language language;
        DialogChoice choice;
        std::string label;
    };
    const Case cases[] = {
        {Language::English, WindowsKeyChoice{2, "Calculator"}, "Calculator"},
        {Language::Chs, WindowsKeyChoice{2, "计算器"}, "计算器"},
        {Language::English, MediaKeyChoice{6, "Vol-"}, "Multimedia-Vol-"},
        {Language::Cht, MediaKeyChoice{5, "音量+"}, "多媒體-音量+"},
        {Language::English, FireKeyChoice{0, "A", 32, 1}, "Fire Key-A"},
        {Language::Span, FireKeyChoice{0, "A", 32, 1}, "Boton de Disparo-A"},
        {Language::English, SingleKeyChoice{"Enter"}, "Single Key-Enter"},
        {Language::English, SingleKeyChoice{"Strg"}, "Single Key-Strg"}, // unknown names still show
        {Language::English, ComboKeyChoice{"Left Ctrl", "C", ""}, "Combo Key-Left Ctrl+C"},
        {Language::Cht, ComboKeyChoice{"Left Ctrl", "C", ""}, "複合鍵-Left Ctrl+C"},
        {Language::English, MacroKeyChoice{1, "B", 3}, "Macro Key-B"},
        {Language::Chs, MacroKeyChoice{1, "B", 3}, "宏-B"},
        {Language::English, MacroKeyChoice{0, "", 1}, "Macro Key-"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(dialogChoiceLabel(c.language, c.choice), c.label);
    }
}

TEST(ComboKeyText, JoinsThePartsThatHaveCodes) {
    struct Case {
        ComboKeyChoice choice;
        std::string text;
    };
    const Case cases[] = {
        {{"Left Ctrl", "", ""}, "Left Ctrl"},
        {{"", "", "F5"}, "F5"},
        {{"", "C", "D"}, "C+D"},
        {{"Right Win", "Tab", "Num 0"}, "Right Win+Tab+Num 0"},
        {{"", "", ""}, ""},
        {{"Ctrl", "C", ""}, "C"},                    // "Ctrl" is a key name, not a modifier name
        {{"Left Ctrl", "Strg", "C"}, "Left Ctrl+C"}, // a captured name without a code is left out
    };
    for (const Case& c : cases) {
        EXPECT_EQ(comboKeyText(c.choice), c.text)
            << '"' << c.choice.modifierName << "\", \"" << c.choice.key1Name << "\", \"" << c.choice.key2Name << '"';
    }
    EXPECT_EQ(dialogChoiceLabel(Language::English, ComboKeyChoice{}), "Combo Key-");
}

} // namespace
} // namespace q417
