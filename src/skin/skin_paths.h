#pragma once

#include "platform/data_paths.h"

#include <filesystem>
#include <string_view>

namespace q417 {

// The folder of a skin: the data folder, "/Skins/", then the skin's name. An empty name leaves the
// Skins folder itself, where no skin image lies.
[[nodiscard]] std::filesystem::path skinFolder(const DataPaths& paths, std::string_view skinName);

// A skin image: the skin folder followed by the image name, which begins with "/" (see
// skin/skin_files.h). Joined as text, so the name never replaces the folder as an absolute path would.
[[nodiscard]] std::filesystem::path skinImagePath(const std::filesystem::path& folder, std::string_view imageName);

} // namespace q417
