#pragma once

#include "platform/result.h"

#include <filesystem>

namespace q417 {

// The user's configuration folder of the XDG base directories: $XDG_CONFIG_HOME when it is an
// absolute path (a relative one is invalid and ignored), else $HOME/.config, else the home folder
// of the password database. Empty when none of them is known.
[[nodiscard]] std::filesystem::path xdgConfigHome(const char* configHomeVariable, const char* homeVariable);
// The same for this process's environment.
[[nodiscard]] std::filesystem::path xdgConfigHome();

// Creates a folder the user keeps settings in, with every missing parent: the folders that did not
// exist are made readable by their owner only, as the XDG base directories ask.
Status makeUserFolder(const std::filesystem::path& folder);

} // namespace q417
