#include "texts/capture_dialog_texts.h"

#include "texts/localised_text.h"

namespace q417 {

namespace {

constexpr LocalisedText kSingleKeyPrompt{
    .chs = "请输入一个按键",
    .cht = "請輸入一個按鍵",
    .span = "Por favor presiona cualquier boton",
    .english = "Please enter a key",
};

} // namespace

std::string_view singleKeyPrompt(Language language) {
    return kSingleKeyPrompt.in(language);
}

} // namespace q417
