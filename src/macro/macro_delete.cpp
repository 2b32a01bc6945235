#include "macro/macro_delete.h"

#include "assign/function_label.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace q417 {

namespace {

constexpr auto kMacroKey = static_cast<std::uint8_t>(ButtonFunction::MacroKey);
constexpr auto kKeyOff = static_cast<std::uint8_t>(ButtonFunction::KeyOff);

// Points every macro button at where its macro now stands. `removed` holds the removed slots,
// ascending; a button that played one of them becomes Key Off, as if the user had chosen it (its
// other parameters stay), and its label becomes that row's text.
void renumberButtons(MouseConfig& config, KeyLabels& labels, Language language,
                     const std::vector<std::size_t>& removed) {
    const std::string keyOffLabel = directChoiceLabel(language, kKeyOff);
    for (std::size_t mode = 0; mode < kModeCount; ++mode) {
        KeyBank& bank = config.banks[mode];
        for (std::size_t button = 0; button < kButtonCount; ++button) {
            if (bank.function[button] != kMacroKey) {
                continue;
            }
            const std::size_t number = bank.macroNumber[button];
            if (std::binary_search(removed.begin(), removed.end(), number)) {
                bank.function[button] = kKeyOff;
                labels[mode][button] = keyOffLabel;
                continue;
            }
            // The label names the macro, not its slot, so it stays.
            const auto before = std::lower_bound(removed.begin(), removed.end(), number) - removed.begin();
            bank.macroNumber[button] = static_cast<std::uint8_t>(number - static_cast<std::size_t>(before));
        }
    }
}

} // namespace

Status deleteMacroAndRenumber(MacroLibrary& library, std::string_view name, MouseConfig& config, KeyLabels& labels,
                              Language language) {
    MacroLibrary::Deletion deletion = library.deleteMacroAndCompile(name, config);
    if (deletion.status.ok()) {
        renumberButtons(config, labels, language, deletion.removedSlots);
    }
    return std::move(deletion.status);
}

} // namespace q417
