#include "skin/skin_paths.h"

#include <string>

namespace q417 {

std::filesystem::path skinFolder(const DataPaths& paths, std::string_view skinName) {
    std::string folder = paths.skinsRoot().native();
    folder += '/';
    folder += skinName;
    return folder;
}

std::filesystem::path skinImagePath(const std::filesystem::path& folder, std::string_view imageName) {
    std::string path = folder.native();
    path += imageName;
    return path;
}

} // namespace q417
