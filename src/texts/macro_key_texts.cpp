#include "texts/macro_key_texts.h"

#include "texts/localised_text.h"

namespace q417 {

namespace {

constexpr LocalisedText kPrompt{
    .chs = "请从列表框选择一个宏",
    .cht = "請從清單方塊選擇一個巨集",
    .span = "Por favor selecciona un Macro",
    .english = "Please select a macro",
};

constexpr std::array<LocalisedText, kMacroPlaybackOptionCount> kOptions{{
    {
        .chs = "重复指定次数或按任意键结束",
        .cht = "重複指定次數或按任意鍵結束",
        .span = "Repita especificamente un numero de veces o presione cualquier boton para finalizar",
        .english = "Repeat a specified number of times or press any key to end",
    },
    {
        .chs = "重复直到按任意键结束",
        .cht = "重複直到按任意鍵結束",
        .span = "Repetir hasta presionar cualquier boton para finalizar",
        .english = "Repeat until press any key to end",
    },
    {
        .chs = "重复直到该按键松开结束",
        .cht = "重複直到該按鍵鬆開結束",
        .span = "Repetir",
        .english = "Repeat until the key is released",
    },
}};

constexpr LocalisedText kNoSlot{
    .chs = "鼠标只能保存前 12 个宏",
    .cht = "滑鼠只能儲存前 12 個巨集",
    .span = "El raton solo guarda los primeros 12 macros",
    .english = "The mouse holds only the first 12 macros",
};

} // namespace

MacroKeyTexts macroKeyTexts(Language language) {
    return {
        .prompt = kPrompt.in(language),
        .options = {kOptions[0].in(language), kOptions[1].in(language), kOptions[2].in(language)},
        .noSlot = kNoSlot.in(language),
    };
}

} // namespace q417
