#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace q417 {

// The names of the skins: every folder inside the Skins folder, sorted without regard to case so
// the list reads the same on every file system. A missing or unreadable folder has none.
[[nodiscard]] std::vector<std::string> listSkinNames(const std::filesystem::path& skinsRoot);

// The folder of the first skin (in list order) whose name equals `name`, ignoring the case of the
// letters A to Z only; nothing when there is none.
[[nodiscard]] std::optional<std::filesystem::path> findSkinFolder(const std::filesystem::path& skinsRoot,
                                                                  std::string_view name);

// The skins of several Skins folders, searched in order (the user's own first): a name found again
// in a later folder, ignoring case as findSkinFolder does, is listed once, for the earlier folder.
// Sorted as for one folder.
[[nodiscard]] std::vector<std::string> listSkinNames(const std::vector<std::filesystem::path>& skinRoots);

// The folder of the skin `name` in the first of the Skins folders that has one.
[[nodiscard]] std::optional<std::filesystem::path> findSkinFolder(const std::vector<std::filesystem::path>& skinRoots,
                                                                  std::string_view name);

// Equal text, with the letters A to Z matching a to z; every other byte must match exactly.
[[nodiscard]] bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);

} // namespace q417
