#include "texts/texts_functions.h"

#include <array>
#include <gtest/gtest.h>
#include <limits>

namespace q417 {
namespace {

TEST(FunctionRowText, EveryListRowHasATextInEveryLanguageAndNoneFollows) {
    for (const Language language : kLanguages) {
        for (std::size_t row = 0; row < kFunctionRowCount; ++row) {
            EXPECT_FALSE(functionRowText(language, row).empty())
                << "language " << static_cast<int>(language) << ", row " << row;
        }
        EXPECT_EQ(functionRowText(language, kFunctionRowCount), "") << "function 15 has no row";
        EXPECT_EQ(functionRowText(language, std::numeric_limits<std::size_t>::max()), "");
    }
}

TEST(FunctionRowText, RowsAreInFunctionOrderPerLanguage) {
    struct Case {
        Language language;
        std::size_t row;
        std::string_view text;
    };
    const Case cases[] = {
        {Language::English, 0, "Left Click"},
        {Language::English, 14, "Key Off"},
        {Language::Span, 6, "Switch DPI"},
        {Language::Span, 10, "Boton de Disparo"},
        {Language::Chs, 13, "宏"},
        {Language::Cht, 12, "複合鍵"},
        {Language::Cht, 8, "Windows"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(functionRowText(c.language, c.row), c.text) << "row " << c.row;
    }
}

TEST(FunctionRowText, UnknownLanguageValueReadsAsEnglish) {
    EXPECT_EQ(functionRowText(static_cast<Language>(7), 1), "Right Click");
}

TEST(DpiSwitchVariantText, KeyedByTheStoredVariant) {
    EXPECT_EQ(dpiSwitchVariantText(0), "");
    EXPECT_EQ(dpiSwitchVariantText(1), "DPI +");
    EXPECT_EQ(dpiSwitchVariantText(2), "DPI -");
    EXPECT_EQ(dpiSwitchVariantText(3), "DPI Loop");
    EXPECT_EQ(dpiSwitchVariantText(4), "Shift DPI");
    EXPECT_EQ(dpiSwitchVariantText(5), "");
    EXPECT_EQ(dpiSwitchVariantText(255), "");
}

TEST(LeftKeyRequiredText, PerLanguage) {
    EXPECT_EQ(leftKeyRequiredText(Language::English), "Left key must be selected!");
    EXPECT_EQ(leftKeyRequiredText(Language::Span), "Boton Izquierdo DEBE estar seleccionado");
    EXPECT_EQ(leftKeyRequiredText(Language::Chs), "左键功能必须选择！");
    EXPECT_EQ(leftKeyRequiredText(Language::Cht), "左鍵功能必須選擇！");
}

} // namespace
} // namespace q417
