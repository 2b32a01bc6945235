#include "ui/texts_functions.h"

#include "config/mouse_config.h"
#include "ui/localised_text.h"

#include <array>

namespace q417 {

namespace {

// Row order is the ButtonFunction numbering.
constexpr auto kFunctionRows = std::to_array<LocalisedText>({
    {.chs = "左键", .cht = "左鍵", .span = "Click Izquierdo", .english = "Left Click"},
    {.chs = "右键", .cht = "右鍵", .span = "Click Derecho", .english = "Right Click"},
    {.chs = "中键", .cht = "中鍵", .span = "Click Medio", .english = "Mid Click"},
    {.chs = "前进方向键", .cht = "前進方向鍵", .span = "Avanzar", .english = "Forward"},
    {.chs = "后退方向键", .cht = "後退方向鍵", .span = "Retroceder", .english = "Backward"},
    {.chs = "三连发", .cht = "三連發", .span = "Triple-click", .english = "Triple-click"},
    {.chs = "DPI切换", .cht = "DPI切換", .span = "Switch DPI", .english = "DPI Switch"},
    {.chs = "RGB打开/关闭", .cht = "RGB打開/關閉", .span = "RGB Encendido / Apagado", .english = "RGB On/Off"},
    {.chs = "Windows", .cht = "Windows", .span = "Windows", .english = "Windows"},
    {.chs = "多媒体", .cht = "多媒體", .span = "Multimedia", .english = "Multimedia"},
    {.chs = "火力键", .cht = "火力鍵", .span = "Boton de Disparo", .english = "Fire Key"},
    {.chs = "单键", .cht = "單鍵", .span = "Boton Simple", .english = "Single Key"},
    {.chs = "组合键", .cht = "複合鍵", .span = "Boton Combo", .english = "Combo Key"},
    {.chs = "宏", .cht = "巨集", .span = "Boton Macro", .english = "Macro Key"},
    {.chs = "按键关闭", .cht = "按鍵關閉", .span = "Boton Apagado", .english = "Key Off"},
});
static_assert(kFunctionRows.size() == kFunctionRowCount);
static_assert(kFunctionRowCount == static_cast<std::size_t>(ButtonFunction::KeyOff) + 1);

// Indexed by variant - 1, which is also the DPI sub-list row.
constexpr std::array<std::string_view, 4> kDpiSwitchVariants{"DPI +", "DPI -", "DPI Loop", "Shift DPI"};
static_assert(static_cast<std::size_t>(DpiSwitchVariant::Shift) == kDpiSwitchVariants.size());

constexpr LocalisedText kLeftKeyRequired{
    .chs = "左键功能必须选择！",
    .cht = "左鍵功能必須選擇！",
    .span = "Boton Izquierdo DEBE estar seleccionado",
    .english = "Left key must be selected!",
};

} // namespace

std::string_view functionRowText(Language language, std::size_t row) {
    return row < kFunctionRows.size() ? kFunctionRows[row].in(language) : std::string_view{};
}

std::string_view dpiSwitchVariantText(std::uint8_t variant) {
    if (variant == 0 || variant > kDpiSwitchVariants.size()) {
        return {};
    }
    return kDpiSwitchVariants[variant - 1U];
}

std::string_view leftKeyRequiredText(Language language) {
    return kLeftKeyRequired.in(language);
}

} // namespace q417
