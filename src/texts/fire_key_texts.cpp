#include "texts/fire_key_texts.h"

#include "texts/localised_text.h"
#include "texts/main_window_texts.h"

namespace q417 {

namespace {

constexpr LocalisedText kSpeedLabel{
    .chs = "速度",
    .cht = "速度",
    .span = "Velocidad",
    .english = "Speed",
};

constexpr LocalisedText kTimesLabel{
    .chs = "次数",
    .cht = "次數",
    .span = "Cantidad de Veces",
    .english = "Times",
};

constexpr LocalisedText kSpeedExplanation{
    .chs = "速度(数值范围5-255，数值越小速度越快)",
    .cht = "速度(數值範圍5-255，數值越小速度越快)",
    .span = "Velocidad (Rango 5-255, menor Rango para mayor Velocidad)",
    .english = "Speed (value range 5-255, with smaller values faster)",
};

constexpr LocalisedText kTimesExplanation{
    .chs = "次数(数值范围0-255，0表示按键放开火力键结束)",
    .cht = "次數(數值範圍0-255，0表示按鍵放開火力鍵結束)",
    .span = "Cantidad de Veces (Rango 0-255,0 indica el disparo hasta la liberacion del boton)",
    .english = "Times (value range 0-255,0 indicates fire key to end when the key released)",
};

} // namespace

FireKeyTexts fireKeyTexts(Language language) {
    // The buttons read exactly as the main window's OK and Cancel.
    return {
        .ok = text(language, TextId::Ok),
        .cancel = text(language, TextId::Cancel),
        .speedLabel = kSpeedLabel.in(language),
        .timesLabel = kTimesLabel.in(language),
        .speedExplanation = kSpeedExplanation.in(language),
        .timesExplanation = kTimesExplanation.in(language),
    };
}

} // namespace q417
