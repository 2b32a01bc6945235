#include "skin/skin_choice.h"

#include "skin/skin_folders.h"

namespace q417 {

namespace {

bool hasWindowSize(const std::filesystem::path& folder, const MainImageSize& mainImageSize) {
    const std::optional<std::pair<int, int>> size = mainImageSize(folder);
    return size && size->first == kSkinWidth && size->second == kSkinHeight;
}

// Why the requested skin cannot be used; empty when it can.
std::string whyUnusable(const std::vector<std::filesystem::path>& roots, std::string_view requested,
                        const MainImageSize& mainImageSize) {
    const std::string quoted = "\"" + std::string(requested) + "\"";
    if (requested.empty()) {
        return "str.ini names no skin.";
    }
    if (!isSkinFolderName(requested)) {
        return "The skin path " + quoted + " in str.ini is not a folder name under Skins.";
    }
    const std::optional<std::filesystem::path> folder = findSkinFolder(roots, requested);
    if (!folder) {
        return "The skin " + quoted + " named in str.ini does not exist.";
    }
    if (!hasWindowSize(*folder, mainImageSize)) {
        return "The skin " + quoted + " has no main.png of " + std::to_string(kSkinWidth) + " by " +
               std::to_string(kSkinHeight) + " pixels.";
    }
    return {};
}

} // namespace

bool isSkinFolderName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." && name.find_first_of("/\\") == std::string_view::npos &&
           name.find('\0') == std::string_view::npos;
}

UsableSkin chooseUsableSkin(const std::vector<std::filesystem::path>& skinRoots, std::string_view requested,
                            const MainImageSize& mainImageSize) {
    std::string problem = whyUnusable(skinRoots, requested, mainImageSize);
    if (problem.empty()) {
        return {std::string(requested), findSkinFolder(skinRoots, requested), {}};
    }
    std::vector<std::string> candidates{std::string(kFallbackSkinName)};
    for (std::string& name : listSkinNames(skinRoots)) {
        candidates.push_back(std::move(name));
    }
    for (const std::string& name : candidates) {
        if (whyUnusable(skinRoots, name, mainImageSize).empty()) {
            problem += " The skin \"" + name + "\" is used instead.";
            return {name, findSkinFolder(skinRoots, name), std::move(problem)};
        }
    }
    problem += " No usable skin was found: the window has no pictures.";
    return {{}, std::nullopt, std::move(problem)};
}

} // namespace q417
