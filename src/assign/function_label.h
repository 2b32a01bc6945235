#pragma once

#include "assign/dialog_choice.h"
#include "texts/language.h"

#include <cstddef>
#include <string>

namespace q417 {

// Labels a button gets when a function is chosen for it. Prefixes are function-row texts in the
// language in force at the time, so a label keeps the language it was made in.

// A directly chosen row (0-5, 7, 14) is labelled with its own text; any other row gives "".
[[nodiscard]] std::string directChoiceLabel(Language language, std::size_t row);

// A dialog's choice: the launch row's text alone, otherwise "<function text>-<what was chosen>",
// e.g. "Multimedia-Vol+", "Fire Key-A", "Single Key-Enter", "Combo Key-Left Ctrl+C", "Macro Key-B".
[[nodiscard]] std::string dialogChoiceLabel(Language language, const DialogChoice& choice);

// The combination part of a combo label: the modifier, first key and second key names whose codes
// are non-zero, joined by "+"; empty when none is.
[[nodiscard]] std::string comboKeyText(const ComboKeyChoice& choice);

} // namespace q417
