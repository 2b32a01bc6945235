#pragma once

#include "texts/language.h"

#include <string>
#include <string_view>

namespace q417 {

// The tray menu's "Profiles" submenu and the dialogs and messages it opens. Texts with "%1" take
// a profile's name or a reason.
struct ProfileMenuTexts {
    std::string_view menu;
    std::string_view saveAs;
    std::string_view noneSaved;
    std::string_view importFile;
    std::string_view exportFile;
    std::string_view deleteMenu;
    std::string_view nameTitle;
    std::string_view namePrompt;
    std::string_view replaceQuestion;
    std::string_view deleteQuestion;
    std::string_view importTitle;
    std::string_view exportTitle;
    std::string_view fileFilter;
    std::string_view notLoaded;
    std::string_view notSaved;
    std::string_view notDeleted;
};

// A language value outside the enum reads as English.
[[nodiscard]] ProfileMenuTexts profileMenuTexts(Language language);

// `pattern` with its "%1" replaced by `value`.
[[nodiscard]] std::string fillIn(std::string_view pattern, std::string_view value);

} // namespace q417
