#pragma once

#include "assign/dialog_choice.h"
#include "config/mouse_config.h"
#include "texts/key_labels.h"
#include "texts/language.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace q417 {

// What a choice did to the record and the labels.
enum class ChoiceOutcome : std::uint8_t {
    NotStored,       // nothing changed
    Stored,          // the edited mode's function, parameters and label changed
    StoredBothModes, // the button was "Key Off": the other mode took the same function, parameters and label
};

// Row `row` (0-14) chosen in the function list of `button` in the edited mode (MouseConfig::activeMode).
// Direct rows need no dialog result; rows 8-13 need the OK result of their own dialog (nullopt means
// the dialog was cancelled). Stores the function with its parameters, sets the label in `language`,
// and over a "Key Off" button does the same for the other mode. Nothing is stored for row 6 (the DPI
// sub-list assigns it), rows past 14, buttons past 11, a missing or mismatched dialog result, or a
// dialog row past its list.
ChoiceOutcome applyFunctionChoice(MouseConfig& config, KeyLabels& labels, Language language, std::size_t button,
                                  std::size_t row, const std::optional<DialogChoice>& dialogResult = std::nullopt);

// A DPI-switch variant chosen in the DPI sub-list of `button`: function 6 with `variant` in the edited
// mode's dpiSwitchMode, labelled with the variant's text, under the same "Key Off" rule. A variant
// outside 1..4 or a button past 11 stores nothing.
ChoiceOutcome applyDpiSwitchChoice(MouseConfig& config, KeyLabels& labels, std::size_t button,
                                   DpiSwitchVariant variant);

} // namespace q417
