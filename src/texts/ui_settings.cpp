#include "texts/ui_settings.h"

#include "texts/button_labels.h"

#include <cstddef>

namespace q417 {

namespace {

constexpr std::string_view kSection = "Skins";
constexpr std::array<std::string_view, 3> kColourKeys{"RColor", "GColor", "BColor"};
constexpr std::string_view kSkinKey = "Path";

} // namespace

UiSettings readUiSettings(const IniFile& uiSettings) {
    UiSettings settings;
    settings.languageCode = uiSettings.readString(kSection, "Lan");
    settings.language = languageFromCode(settings.languageCode);
    settings.labels = readButtonLabels(uiSettings, settings.language);
    bool anyColour = false;
    for (std::size_t i = 0; i < kColourKeys.size(); ++i) {
        // Conversion to an unsigned type keeps the low bits, negative values included.
        settings.textColour[i] = static_cast<std::uint8_t>(uiSettings.readInt(kSection, kColourKeys[i], 0));
        anyColour = anyColour || !uiSettings.readString(kSection, kColourKeys[i]).empty();
    }
    settings.skinName = uiSettings.readString(kSection, kSkinKey);
    if (!anyColour) {
        settings.textColour = kFactoryTextColour;
        const std::string where = uiSettings.path().string();
        settings.problem = !uiSettings.exists()     ? where + " is missing."
                           : !uiSettings.document() ? where + " cannot be read."
                                                    : where + " holds no interface colour.";
        settings.problem += " The program starts with its own settings.";
    }
    return settings;
}

Status writeSkinSettings(IniFile& uiSettings, std::array<std::uint8_t, 3> colour, std::string_view skinName) {
    IniEntries entries;
    for (std::size_t i = 0; i < kColourKeys.size(); ++i) {
        entries.emplace_back(kColourKeys[i], std::to_string(colour[i]));
    }
    entries.emplace_back(kSkinKey, skinName);
    return uiSettings.writeStrings(kSection, entries);
}

} // namespace q417
