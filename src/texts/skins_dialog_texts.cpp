#include "texts/skins_dialog_texts.h"

#include "texts/localised_text.h"
#include "texts/main_window_texts.h"

namespace q417 {

namespace {

constexpr LocalisedText kColourPrompt{
    .chs = "请点击设置UI文本颜色",
    .cht = "請點擊設置UI文本顏色",
    .span = "Click para establercer el color de texto de IU",
    .english = "Please click to set the UI text color",
};

} // namespace

SkinsDialogTexts skinsDialogTexts(Language language) {
    // The buttons read exactly as the main window's OK and Cancel.
    return {
        .ok = text(language, TextId::Ok),
        .cancel = text(language, TextId::Cancel),
        .colourPrompt = kColourPrompt.in(language),
    };
}

} // namespace q417
