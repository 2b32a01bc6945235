#include "ui/skins_dialog_texts.h"

#include "ui/localised_text.h"
#include "ui/main_window_texts.h"

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
        .ok = text(language, TextId::textOk),
        .cancel = text(language, TextId::textCancel),
        .colourPrompt = kColourPrompt.in(language),
    };
}

} // namespace q417
