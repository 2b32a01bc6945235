#include "texts/texts_functions.h"

#include "config/mouse_config.h"
#include "texts/function_row_texts.h"

#include <array>

namespace q417 {

namespace {

static_assert(kFunctionRowTexts.size() == kFunctionRowCount);

// Indexed by variant - 1, which is also the DPI sub-list row.
constexpr std::array<std::string_view, 4> kDpiSwitchVariants{"DPI +", "DPI -", "DPI Loop", "Shift DPI"};
static_assert(static_cast<std::size_t>(DpiSwitchVariant::Shift) == kDpiSwitchVariants.size());

} // namespace

std::string_view functionRowText(Language language, std::size_t row) {
    return row < kFunctionRowTexts.size() ? kFunctionRowTexts[row].in(language) : std::string_view{};
}

std::string_view dpiSwitchVariantText(std::uint8_t variant) {
    if (variant == 0 || variant > kDpiSwitchVariants.size()) {
        return {};
    }
    return kDpiSwitchVariants[variant - 1U];
}

std::string_view leftKeyRequiredText(Language language) {
    return kLeftKeyRequiredText.in(language);
}

} // namespace q417
