#include "texts/delay_time_texts.h"

#include "texts/localised_text.h"

namespace q417 {

namespace {

constexpr LocalisedText kPrompt{
    .chs = "请输入一个延时",
    .cht = "請輸入一個延時",
    .span = "Por favor, introduzca Delay",
    .english = "Please enter a delay",
};

constexpr LocalisedText kRange{
    .chs = "(数值范围 20-10000)",
    .cht = "(數值範圍 20-10000)",
    .span = "(Rango de Valores 20-10000)",
    .english = "(value range 20-10000)",
};

} // namespace

DelayTimeTexts delayTimeTexts(Language language) {
    return {.prompt = kPrompt.in(language), .range = kRange.in(language)};
}

} // namespace q417
