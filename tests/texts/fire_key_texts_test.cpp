#include "texts/fire_key_texts.h"
#include "texts/main_window_texts.h"

#include <gtest/gtest.h>

namespace q417 {
namespace {

TEST(FireKeyTexts, LabelsAndExplanationsPerLanguage) {
    struct Case {
        Language language;
        std::string_view speedLabel;
        std::string_view timesLabel;
        std::string_view speedExplanation;
        std::string_view timesExplanation;
    };
    const Case cases[] = {
        {Language::English, "Speed", "Times", "Speed (value range 5-255, with smaller values faster)",
         "Times (value range 0-255,0 indicates fire key to end when the key released)"},
        {Language::Span, "Velocidad", "Cantidad de Veces", "Velocidad (Rango 5-255, menor Rango para mayor Velocidad)",
         "Cantidad de Veces (Rango 0-255,0 indica el disparo hasta la liberacion del boton)"},
        {Language::Chs, "速度", "次数", "速度(数值范围5-255，数值越小速度越快)",
         "次数(数值范围0-255，0表示按键放开火力键结束)"},
        {Language::Cht, "速度", "次數", "速度(數值範圍5-255，數值越小速度越快)",
         "次數(數值範圍0-255，0表示按鍵放開火力鍵結束)"},
        {static_cast<Language>(4), "Speed", "Times", "Speed (value range 5-255, with smaller values faster)",
         "Times (value range 0-255,0 indicates fire key to end when the key released)"},
    };
    for (const Case& c : cases) {
        const FireKeyTexts texts = fireKeyTexts(c.language);
        const auto language = static_cast<int>(c.language);
        EXPECT_EQ(texts.speedLabel, c.speedLabel) << language;
        EXPECT_EQ(texts.timesLabel, c.timesLabel) << language;
        EXPECT_EQ(texts.speedExplanation, c.speedExplanation) << language;
        EXPECT_EQ(texts.timesExplanation, c.timesExplanation) << language;
        EXPECT_EQ(texts.ok, text(c.language, TextId::Ok)) << language;
        EXPECT_EQ(texts.cancel, text(c.language, TextId::Cancel)) << language;
    }
}

} // namespace
} // namespace q417
