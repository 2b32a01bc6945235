#include "skin/skin_paths.h"

#include <string>
#include <system_error>

namespace q417 {

namespace {

std::filesystem::path joinAsText(const std::filesystem::path& skinsRoot, std::string_view skinName) {
    std::string folder = skinsRoot.native();
    folder += '/';
    folder += skinName;
    return folder;
}

} // namespace

std::filesystem::path skinFolder(const DataPaths& paths, std::string_view skinName) {
    const std::vector<std::filesystem::path> roots = paths.skinRoots();
    for (const std::filesystem::path& root : roots) {
        std::filesystem::path folder = joinAsText(root, skinName);
        std::error_code ec;
        if (std::filesystem::is_directory(folder, ec)) {
            return folder;
        }
    }
    return joinAsText(roots.front(), skinName);
}

std::filesystem::path skinImagePath(const std::filesystem::path& folder, std::string_view imageName) {
    std::string path = folder.native();
    path += imageName;
    return path;
}

} // namespace q417
