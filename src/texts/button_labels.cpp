#include "texts/button_labels.h"

#include "platform/profile_document.h"

namespace q417 {

std::string buttonLabelKey(std::size_t mode, std::size_t button) {
    return "Item" + std::to_string(button + 1) + (mode == 0 ? "" : "3");
}

Language readLanguage(const ProfileFile& uiSettings) {
    return languageFromCode(uiSettings.readString("Skins", "Lan"));
}

KeyLabels readButtonLabels(const ProfileFile& uiSettings, Language language) {
    // One read of the file for all 24 keys; the first of duplicated keys wins, as in a lookup.
    const ProfileEntries entries = uiSettings.sectionEntries(labelSectionName(language));
    KeyLabels labels;
    for (std::size_t mode = 0; mode < kModeCount; ++mode) {
        for (std::size_t button = 0; button < kButtonCount; ++button) {
            const std::string key = buttonLabelKey(mode, button);
            for (const auto& [name, value] : entries) {
                if (sameProfileName(name, key)) {
                    labels[mode][button] = value;
                    break;
                }
            }
        }
    }
    return labels;
}

Status writeButtonLabels(ProfileFile& uiSettings, Language language, const KeyLabels& labels) {
    ProfileEntries entries;
    for (std::size_t mode = 0; mode < kModeCount; ++mode) {
        for (std::size_t button = 0; button < kButtonCount; ++button) {
            entries.emplace_back(buttonLabelKey(mode, button), labels[mode][button]);
        }
    }
    return uiSettings.writeStrings(labelSectionName(language), entries);
}

} // namespace q417
