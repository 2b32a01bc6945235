#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace q417 {

// The size every skin's main background must have: the window's layout is fixed to it.
inline constexpr int kSkinWidth = 890;
inline constexpr int kSkinHeight = 660;
inline constexpr std::string_view kFallbackSkinName = "Default";

// Whether str.ini's "Path" can name a skin: a plain folder name under Skins, never a path out of it.
[[nodiscard]] bool isSkinFolderName(std::string_view name);

// The skin the window is drawn in, and what was wrong with the one asked for (empty when nothing).
struct UsableSkin {
    std::string name; // the skin used; empty when no usable skin exists
    std::optional<std::filesystem::path> folder;
    std::string problem; // one sentence or two for the user, else empty
};

// Width and height of a skin folder's main background; nothing when it cannot be read.
using MainImageSize = std::function<std::optional<std::pair<int, int>>(const std::filesystem::path& folder)>;

// `requested` when it names a skin of `skinRoots` whose main background has the window's size;
// otherwise "Default", else the first usable skin in list order, with the reason in `problem`.
[[nodiscard]] UsableSkin chooseUsableSkin(const std::vector<std::filesystem::path>& skinRoots,
                                          std::string_view requested, const MainImageSize& mainImageSize);

} // namespace q417
