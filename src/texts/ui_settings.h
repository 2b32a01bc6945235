#pragma once

#include "platform/ini_file.h"
#include "platform/result.h"
#include "texts/key_labels.h"
#include "texts/language.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace q417 {

// The interface text colour of a new installation: light grey, readable on every skin.
inline constexpr std::array<std::uint8_t, 3> kFactoryTextColour{230, 230, 230};

// What str.ini holds for the interface, read once at start-up. A missing file gives English,
// black text, no skin and empty labels.
struct UiSettings {
    Language language = Language::English;
    std::string languageCode;                 // "Lan" as it stands; never written back
    std::array<std::uint8_t, 3> textColour{}; // red, green, blue
    std::string skinName;                     // folder under Skins; empty loads no skin image
    KeyLabels labels;                         // the section of `language`
    std::string problem;                      // what was wrong with the file, for the user; else empty
};

// Each colour component is the key's integer value cut to its low 8 bits (300 reads as 44, -1 as
// 255); a missing key reads as 0. A file that is missing, unreadable or holds no colour at all gives
// the factory colour instead of black, which no skin could be read in, and says so in `problem`.
[[nodiscard]] UiSettings readUiSettings(const IniFile& uiSettings);

// Stores the text colour ("RColor", "GColor", "BColor", in decimal) and the skin name ("Path") in
// one write of the file.
Status writeSkinSettings(IniFile& uiSettings, std::array<std::uint8_t, 3> colour, std::string_view skinName);

} // namespace q417
