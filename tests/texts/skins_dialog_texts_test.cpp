#include "texts/main_window_texts.h"
#include "texts/skins_dialog_texts.h"

#include <gtest/gtest.h>

namespace q417 {
namespace {

TEST(SkinsDialogTexts, PromptPerLanguage) {
    EXPECT_EQ(skinsDialogTexts(Language::English).colourPrompt, "Please click to set the UI text color");
    EXPECT_EQ(skinsDialogTexts(Language::Chs).colourPrompt, "请点击设置UI文本颜色");
    EXPECT_EQ(skinsDialogTexts(Language::Cht).colourPrompt, "請點擊設置UI文本顏色");
    EXPECT_EQ(skinsDialogTexts(Language::Span).colourPrompt, "Click para establercer el color de texto de IU");
    EXPECT_EQ(skinsDialogTexts(static_cast<Language>(4)).colourPrompt, "Please click to set the UI text color");
}

TEST(SkinsDialogTexts, ButtonsReadAsTheMainWindows) {
    EXPECT_EQ(skinsDialogTexts(Language::Span).ok, "OK");
    EXPECT_EQ(skinsDialogTexts(Language::Span).cancel, "Cancelar");
    EXPECT_EQ(skinsDialogTexts(Language::Cht).ok, "確定");
    EXPECT_EQ(skinsDialogTexts(Language::Chs).cancel, text(Language::Chs, TextId::Cancel));
}

} // namespace
} // namespace q417
