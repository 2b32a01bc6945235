#include "texts/main_window_texts.h"
#include "texts/texts_functions.h"

#include <array>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <utility>

namespace q417 {
namespace {

TextId idAt(std::size_t index) {
    return static_cast<TextId>(index);
}

TEST(MainWindowTexts, EveryIdHasATextInEveryLanguageButTheBuildsWebAddress) {
    EXPECT_EQ(kTextIdCount, 89U);
    for (const Language language : kLanguages) {
        for (std::size_t i = 0; i < kTextIdCount; ++i) {
            if (idAt(i) != TextId::WebAddress) {
                EXPECT_FALSE(text(language, idAt(i)).empty())
                    << "language " << static_cast<int>(language) << ", id " << i;
            }
        }
    }
}

TEST(MainWindowTexts, WebAddressIsOneTextForEveryLanguage) {
    for (const Language language : kLanguages) {
        EXPECT_EQ(text(language, TextId::WebAddress), text(Language::English, TextId::WebAddress));
    }
}

TEST(MainWindowTexts, ValuesOutsideTheEnums) {
    EXPECT_EQ(text(Language::English, static_cast<TextId>(kTextIdCount)), "");
    EXPECT_EQ(text(Language::Chs, static_cast<TextId>(255)), "");
    EXPECT_EQ(text(static_cast<Language>(9), TextId::Ok), "OK");
    EXPECT_EQ(text(static_cast<Language>(9), TextId::Exit), "Exit");
}

TEST(MainWindowTexts, SpotChecksAsWritten) {
    struct Case {
        Language language;
        TextId id;
        std::string_view text;
    };
    const Case cases[] = {
        {Language::English, TextId::BasicSettings, "Basic Settings"},
        {Language::Chs, TextId::Ok, "确定"},
        {Language::Cht, TextId::Ok, "確定"},
        {Language::Span, TextId::Apply, "Applicar"},
        {Language::English, TextId::DpiNoDisplay, "Non-Disolay"},
        {Language::Span, TextId::KeyMatrix3, "Cambiar a Matriz 4"},
        {Language::Span, TextId::KeyMatrix4, "Cambiar a Matriz 5"},
        {Language::Chs, TextId::Speed, "速度:请调整灯光显示速度"},
        {Language::Cht, TextId::Speed, "速度"},
        {Language::Span, TextId::DoubleClickSpeed, "Double-Click Speed"},
        {Language::English, TextId::MacroNameBlank, "Macro name is blank"},
        {Language::Cht, TextId::MacroNameExists, "巨集名稱已經存在"},
        {Language::English, TextId::NotRecording, "It doesn\u2019t start recording, unnecessary to press Stop key!"},
        {Language::Chs, TextId::NotRecording, "没有开始录制,点击停止录制按钮没有意义！"},
        {Language::Cht, TextId::NotRecording, "沒有開始錄製，點擊停止錄製按鈕沒有意義！"},
        {Language::English, TextId::MouseDetected, "The system detect the gaming mouse."},
        {Language::English, TextId::DpiStage1, "Switch DPI into the first stage "},
        {Language::Span, TextId::DpiStage1, "Interruptor DPI en la Primer Etapa"},
        {Language::Span, TextId::DpiStage2, "Interruptor DPI en la Segunda Etapa "},
        {Language::Chs, TextId::DpiStage2, "DPI切换到第二段"},
        {Language::English, TextId::KeyDefault, "Default"},
        {Language::Chs, TextId::KeyDefault, "按键恢复"},
        {Language::Chs, TextId::SystemDefault, "恢复默认"},
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
        {Language::English, TextId::DpiStage1}, {Language::English, TextId::DpiStage2},
        {Language::English, TextId::DpiStage3}, {Language::English, TextId::DpiStage4},
        {Language::Span, TextId::DpiStage2},    {Language::Span, TextId::DpiStage4},
    };
    EXPECT_EQ(endInSpace, expected);
}

TEST(MainWindowTexts, FunctionNamesAreTheFunctionListRows) {
    const std::pair<TextId, std::size_t> rows[] = {
        {TextId::LeftClick, 0}, {TextId::RightClick, 1},  {TextId::MiddleClick, 2}, {TextId::Forward, 3},
        {TextId::Backward, 4},  {TextId::TripleClick, 5}, {TextId::DpiSwitch, 6},   {TextId::RgbOnOff, 7},
        {TextId::Windows, 8},   {TextId::Multimedia, 9},  {TextId::FireKey, 10},    {TextId::SingleKey, 11},
        {TextId::ComboKey, 12}, {TextId::MacroKey, 13},   {TextId::KeyOff, 14},
    };
    for (const Language language : kLanguages) {
        for (const auto& [id, row] : rows) {
            EXPECT_EQ(text(language, id), functionRowText(language, row)) << "row " << row;
        }
        EXPECT_EQ(text(language, TextId::LeftKeyRequired), leftKeyRequiredText(language));
    }
}

TEST(MainWindowTexts, SetChosenByTheWholeCaseSensitiveCode) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"CHS", "基本设置"},        {"CHT", "基本設置"},      {"SPAN", "Ajustes Basicos"}, {"chs", "Basic Settings"},
        {"CHS ", "Basic Settings"}, {"EN", "Basic Settings"}, {"", "Basic Settings"},
    };
    for (const auto& [code, expected] : cases) {
        EXPECT_EQ(text(languageFromCode(code), TextId::BasicSettings), expected) << '"' << code << '"';
    }
}

} // namespace
} // namespace q417
