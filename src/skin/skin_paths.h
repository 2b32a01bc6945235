#pragma once

#include "platform/data_paths.h"

#include <filesystem>
#include <string_view>

namespace q417 {

// The folder of a skin: a Skins folder, "/", then the skin's name, in the first of the data
// paths' Skins folders that holds a folder of that name (the first Skins folder when none does).
// An empty name leaves a Skins folder itself, where no skin image lies.
[[nodiscard]] std::filesystem::path skinFolder(const DataPaths& paths, std::string_view skinName);

// A skin image: the skin folder followed by the image name, which begins with "/" (see
// skin/skin_files.h). Joined as text, so the name never replaces the folder as an absolute path would.
[[nodiscard]] std::filesystem::path skinImagePath(const std::filesystem::path& folder, std::string_view imageName);

} // namespace q417
