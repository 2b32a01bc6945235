#pragma once

#include "texts/language.h"

#include <string_view>

namespace q417 {

// The texts of the two key capture dialogs. Their OK and Cancel read as the main window's.

// The single-key dialog's prompt above the key name. A language value outside the enum reads as
// English.
[[nodiscard]] std::string_view singleKeyPrompt(Language language);

// What the dialogs would report when key capture could not be set up, filled with the system's
// error number. Capture is an event filter of the toolkit, which cannot be refused, so these are
// kept for completeness and never shown.
inline constexpr std::string_view kSingleKeyCaptureFailure = "KeyboardHook_SingleDlgKey Install error code :%d\n";
inline constexpr std::string_view kComboKeyCaptureFailure = "KeyboardHook_ComboDlg Install error code :%d\n";

} // namespace q417
