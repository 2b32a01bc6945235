#pragma once

#include "config/mouse_config.h"
#include "texts/key_labels.h"
#include "texts/language.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace q417 {

// The first two fields of every profile file. A reader takes its own version and older ones.
inline constexpr std::string_view kProfileFormatName = "q417-profile";
inline constexpr int kProfileFormatVersion = 1;

// One macro of the library: its name, the repeat count of its slot, and its record.ini lines.
struct ProfileMacro {
    std::string name;
    std::uint16_t repeats = 1;
    std::vector<std::string> lines;

    bool operator==(const ProfileMacro&) const = default;
};

// A whole mouse setup as the three data files hold it: the config.bin record, the macro library
// in file order, and the button labels of every language (indexed by Language).
struct ProfileData {
    MouseConfig config{};
    std::vector<ProfileMacro> macros;
    std::array<KeyLabels, kLanguageCount> labels{};
};

} // namespace q417
