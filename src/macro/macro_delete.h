#pragma once

#include "config/mouse_config.h"
#include "macro/macro_library.h"
#include "platform/result.h"
#include "texts/key_labels.h"
#include "texts/language.h"

#include <string_view>

namespace q417 {

// Deletes macro `name` from the library and keeps the buttons pointing at the macros they played:
// the macros after it move up one slot in the file, so buttons whose macro number is above its
// slot point one lower; buttons that played it become Key Off, labelled as the Key Off row of the
// function list is in `language`; the repeat counts move with their macros, and the slots are
// compiled again at once. A name the file does not hold (a new macro never confirmed) changes
// nothing but the file.
Status deleteMacroAndRenumber(MacroLibrary& library, std::string_view name, MouseConfig& config, KeyLabels& labels,
                              Language language);

} // namespace q417
