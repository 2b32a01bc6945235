#pragma once

#include "platform/data_paths.h"
#include "platform/result.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace q417 {

// Named profiles: one file each in the data folder's "profiles" folder. A name is kept as the user
// typed it; its file name spells every byte other than letters, digits, blank, '-' and '_' as
// "%XX", so no name can reach outside the folder or clash with another by case of its escapes.

[[nodiscard]] std::filesystem::path profilesFolder(const DataPaths& paths);

// A name is 1 to 100 bytes with no control characters; the status says why another is refused.
[[nodiscard]] Status checkProfileName(std::string_view name);
[[nodiscard]] std::string profileFileName(std::string_view name);
// The name a file of the folder stands for; nothing for a file that is not a profile's.
[[nodiscard]] std::optional<std::string> profileNameOfFile(std::string_view fileName);

// The names of the stored profiles, sorted; none when the folder is missing.
[[nodiscard]] std::vector<std::string> listProfiles(const DataPaths& paths);
// Stores `json` under the name, replacing a profile of that name; makes the folder when needed.
Status storeProfile(const DataPaths& paths, std::string_view name, std::string_view json);
Status readStoredProfile(const DataPaths& paths, std::string_view name, std::string& json);
Status deleteStoredProfile(const DataPaths& paths, std::string_view name);

} // namespace q417
