#pragma once

#include "platform/data_paths.h"
#include "platform/result.h"
#include "profile/profile_data.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace q417 {

// The setup the data folder holds: config.bin (which must be whole), the macros of record.ini in
// file order with the repeat counts of their slots, and the str.ini labels of every language.
// A library of more than twelve macros cannot be a profile and is refused.
Status loadProfileData(const DataPaths& paths, ProfileData& profile);
// loadProfileData() with `config` in place of config.bin: the setup a program shows before it is saved.
Status loadProfileAround(const DataPaths& paths, const MouseConfig& config, ProfileData& profile);

// Writes the three files of a profile together: config.bin (first-run flag 1, so the labels are
// kept), record.ini whole, and the label sections of str.ini (its other settings stay). Every new
// text is made before the first write, and a failed write puts back the files written before it,
// so a failure leaves the folder as it was. The caller holds the data folder's lock.
Status saveProfileData(const DataPaths& paths, const ProfileData& profile);

// A file as it was before a write: its bytes, or nothing when it did not exist.
struct FileSnapshot {
    std::filesystem::path path;
    std::optional<std::string> bytes;
};
Status restoreFile(const FileSnapshot& snapshot);

// record.ini alone, as saveProfileData() writes it; `before` receives the file as it was. The
// caller holds the data folder's lock.
Status saveProfileMacros(const DataPaths& paths, const std::vector<ProfileMacro>& macros, FileSnapshot& before);
// The label sections of str.ini alone, as saveProfileData() writes them. The caller holds the lock.
Status saveProfileLabels(const DataPaths& paths, const std::array<KeyLabels, kLanguageCount>& labels);

// loadProfileData() as profile text.
Status exportProfile(const DataPaths& paths, std::string& json);

// Reads and checks `json` whole, then saveProfileData(); a refused profile changes nothing. The caller
// holds the data folder's lock. (A program that wants to show a profile before keeping it, with a
// Cancel, reads it with readProfileJson() and calls saveProfileData() only on OK.)
Status importProfile(const DataPaths& paths, std::string_view json);

} // namespace q417
