#pragma once

#include "config/mouse_config.h"
#include "texts/localised_text.h"

#include <array>
#include <cstddef>

namespace q417 {

// The function-list rows and the left-click guard, kept here once because the main window's text
// set names the same texts under its own ids.

// Row order is the ButtonFunction numbering.
inline constexpr auto kFunctionRowTexts = std::to_array<LocalisedText>({
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
static_assert(kFunctionRowTexts.size() == static_cast<std::size_t>(ButtonFunction::KeyOff) + 1);

// The row text of a listed function; only functions 0..14 have one.
constexpr const LocalisedText& functionRowEntry(ButtonFunction function) {
    return kFunctionRowTexts[static_cast<std::size_t>(function)];
}

inline constexpr LocalisedText kLeftKeyRequiredText{
    .chs = "左键功能必须选择！",
    .cht = "左鍵功能必須選擇！",
    .span = "Boton Izquierdo DEBE estar seleccionado",
    .english = "Left key must be selected!",
};

} // namespace q417
