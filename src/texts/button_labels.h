#pragma once

#include "platform/ini_file.h"
#include "texts/key_labels.h"
#include "texts/language.h"

#include <string>

namespace q417 {

// The key of a button's label in str.ini: "Item1" to "Item12" for Mode A, and "Item13",
// "Item23", ... "Item123" (the button number followed by 3) for Mode B.
std::string buttonLabelKey(std::size_t mode, std::size_t button);

// The language code of str.ini ("Lan" in "Skins"); English when the file or key is missing.
Language readLanguage(const IniFile& uiSettings);

// The 24 labels of the language's section; missing ones read as empty.
KeyLabels readButtonLabels(const IniFile& uiSettings, Language language);

// Writes all 24 labels of the language's section in one go.
Status writeButtonLabels(IniFile& uiSettings, Language language, const KeyLabels& labels);

} // namespace q417
