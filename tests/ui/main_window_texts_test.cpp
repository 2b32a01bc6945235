#include "ui/main_window_texts.h"
#include "ui/texts_functions.h"

#include <array>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <utility>

namespace q417 {
namespace {

constexpr std::array<Language, kLanguageCount> kLanguages{Language::Chs, Language::Cht, Language::Span,
                                                          Language::English};

TextId idAt(std::size_t index) {
    return static_cast<TextId>(index);
}

TEST(MainWindowTexts, EveryIdHasATextInEveryLanguageButTheBuildsWebAddress) {
    EXPECT_EQ(kTextIdCount, 89U);
    for (const Language language : kLanguages) {
        for (std::size_t i = 0; i < kTextIdCount; ++i) {
            if (idAt(i) != TextId::textWebAddress) {
                EXPECT_FALSE(text(language, idAt(i)).empty())
                    << "language " << static_cast<int>(language) << ", id " << i;
            }
        }
    }
}

TEST(MainWindowTexts, WebAddressIsOneTextForEveryLanguage) {
    for (const Language language : kLanguages) {
        EXPECT_EQ(text(language, TextId::textWebAddress), text(Language::English, TextId::textWebAddress));
    }
}

TEST(MainWindowTexts, ValuesOutsideTheEnums) {
    EXPECT_EQ(text(Language::English, static_cast<TextId>(kTextIdCount)), "");
    EXPECT_EQ(text(Language::Chs, static_cast<TextId>(255)), "");
    EXPECT_EQ(text(static_cast<Language>(9), TextId::textOk), "OK");
    EXPECT_EQ(text(static_cast<Language>(9), TextId::textExit), "Exit");
}

TEST(MainWindowTexts, SpotChecksAsWritten) {
    struct Case {
        Language language;
        TextId id;
        std::string_view text;
    };
    const Case cases[] = {
        {Language::English, TextId::textBasicSettings, "Basic Settings"},
        {Language::Chs, TextId::textOk, "确定"},
        {Language::Cht, TextId::textOk, "確定"},
        {Language::Span, TextId::textApply, "Applicar"},
        {Language::English, TextId::textDpiNoDisplay, "Non-Disolay"},
        {Language::Span, TextId::textKeyMatrix3, "Cambiar a Matriz 4"},
        {Language::Span, TextId::textKeyMatrix4, "Cambiar a Matriz 5"},
        {Language::Chs, TextId::textSpeed, "速度:请调整灯光显示速度"},
        {Language::Cht, TextId::textSpeed, "速度"},
        {Language::Span, TextId::textDoubleClickSpeed, "Double-Click Speed"},
        {Language::English, TextId::textMacroNameBlank, "Macro name is blank"},
        {Language::Cht, TextId::textMacroNameExists, "巨集名稱已經存在"},
        {Language::English, TextId::textNotRecording,
         "It doesn\u2019t start recording, unnecessary to press Stop key!"},
        {Language::Chs, TextId::textNotRecording, "没有开始录制,点击停止录制按钮没有意义！"},
        {Language::Cht, TextId::textNotRecording, "沒有開始錄製，點擊停止錄製按鈕沒有意義！"},
        {Language::English, TextId::textMouseDetected, "The system detect the gaming mouse."},
        {Language::English, TextId::textDpiStage1, "Switch DPI into the first stage "},
        {Language::Span, TextId::textDpiStage1, "Interruptor DPI en la Primer Etapa"},
        {Language::Span, TextId::textDpiStage2, "Interruptor DPI en la Segunda Etapa "},
        {Language::Chs, TextId::textDpiStage2, "DPI切换到第二段"},
        {Language::English, TextId::textKeyDefault, "Default"},
        {Language::Chs, TextId::textKeyDefault, "按键恢复"},
        {Language::Chs, TextId::textSystemDefault, "恢复默认"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(text(c.language, c.id), c.text) << "id " << static_cast<int>(c.id);
    }
}

TEST(MainWindowTexts, OnlyTheDpiStageTextsEndInASpaceAndNoneStartsWithOne) {
    std::set<std::pair<Language, TextId>> endInSpace;
    for (const Language language : kLanguages) {
        for (std::size_t i = 0; i < kTextIdCount; ++i) {
            const std::string_view t = text(language, idAt(i));
            if (!t.empty() && t.back() == ' ') {
                endInSpace.emplace(language, idAt(i));
            }
            EXPECT_FALSE(!t.empty() && t.front() == ' ') << "id " << i;
        }
    }
    const std::set<std::pair<Language, TextId>> expected{
        {Language::English, TextId::textDpiStage1}, {Language::English, TextId::textDpiStage2},
        {Language::English, TextId::textDpiStage3}, {Language::English, TextId::textDpiStage4},
        {Language::Span, TextId::textDpiStage2},    {Language::Span, TextId::textDpiStage4},
    };
    EXPECT_EQ(endInSpace, expected);
}

TEST(MainWindowTexts, FunctionNamesAreTheFunctionListRows) {
    const std::pair<TextId, std::size_t> rows[] = {
        {TextId::textLeftClick, 0},  {TextId::textRightClick, 1}, {TextId::textMiddleClick, 2},
        {TextId::textForward, 3},    {TextId::textBackward, 4},   {TextId::textTripleClick, 5},
        {TextId::textDpiSwitch, 6},  {TextId::textRgbOnOff, 7},   {TextId::textWindows, 8},
        {TextId::textMultimedia, 9}, {TextId::textFireKey, 10},   {TextId::textSingleKey, 11},
        {TextId::textComboKey, 12},  {TextId::textMacroKey, 13},  {TextId::textKeyOff, 14},
    };
    for (const Language language : kLanguages) {
        for (const auto& [id, row] : rows) {
            EXPECT_EQ(text(language, id), functionRowText(language, row)) << "row " << row;
        }
        EXPECT_EQ(text(language, TextId::textLeftKeyRequired), leftKeyRequiredText(language));
    }
}

TEST(MainWindowTexts, SetChosenByTheWholeCaseSensitiveCode) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"CHS", "基本设置"},        {"CHT", "基本設置"},      {"SPAN", "Ajustes Basicos"}, {"chs", "Basic Settings"},
        {"CHS ", "Basic Settings"}, {"EN", "Basic Settings"}, {"", "Basic Settings"},
    };
    for (const auto& [code, expected] : cases) {
        EXPECT_EQ(text(languageFromCode(code), TextId::textBasicSettings), expected) << '"' << code << '"';
    }
}

} // namespace
} // namespace q417
