#include "texts/button_labels.h"

#include "platform/ini_document.h"

namespace q417 {

std::string buttonLabelKey(std::size_t mode, std::size_t button) {
    return "Item" + std::to_string(button + 1) + (mode == 0 ? "" : "3");
}

Language readLanguage(const IniFile& uiSettings) {
    return languageFromCode(uiSettings.readString("Skins", "Lan"));
}

KeyLabels readButtonLabels(const IniFile& uiSettings, Language language) {
    // One read of the file for all 24 keys; the first of duplicated keys wins, as in a lookup.
    const IniEntries entries = uiSettings.sectionEntries(labelSectionName(language));
    KeyLabels labels;
    for (std::size_t mode = 0; mode < kModeCount; ++mode) {
        for (std::size_t button = 0; button < kButtonCount; ++button) {
            const std::string key = buttonLabelKey(mode, button);
            for (const auto& [name, value] : entries) {
                if (sameIniName(name, key)) {
                    labels[mode][button] = value;
                    break;
                }
            }
        }
    }
    return labels;
}

Status writeButtonLabels(IniFile& uiSettings, Language language, const KeyLabels& labels) {
    IniEntries entries;
    for (std::size_t mode = 0; mode < kModeCount; ++mode) {
        for (std::size_t button = 0; button < kButtonCount; ++button) {
            entries.emplace_back(buttonLabelKey(mode, button), labels[mode][button]);
        }
    }
    return uiSettings.writeStrings(labelSectionName(language), entries);
}

} // namespace q417
