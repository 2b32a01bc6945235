#pragma once

#include "platform/result.h"
#include "profile/profile_data.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace q417 {

// No profile comes near this; a bigger file is not read at all.
inline constexpr std::size_t kMaxProfileBytes = std::size_t{4} * 1024 * 1024;

// The profile file: readable JSON. Every setting is written by name (functions, keys by their key
// names, media and launch keys by their English row texts, macros by their names), and the whole
// record is written once more as hex under "record". Reading starts from "record" (the factory
// settings when it is absent) and lays every named field over it. So a value that has no name,
// such as a reserved byte, a parameter of a function that is not chosen, or a byte out of its
// range, still comes back exactly, while a named field that a user edits wins. A named field is
// written only when its bytes have a name; otherwise "record" alone carries them.
[[nodiscard]] std::string writeProfileJson(const ProfileData& profile);

struct ProfileParse {
    Status status; // on failure, the path of the first bad field and what is wrong with it
    ProfileData profile;
};

// Reads and checks a whole profile. Nothing is half-read: a failure gives no data. Macro event
// pairs are compiled from the lines (record.ini is their master copy); repeat counts come from
// the macros.
[[nodiscard]] ProfileParse readProfileJson(std::string_view text);

} // namespace q417
