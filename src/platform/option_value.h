#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace q417 {

// The value of an option given as "--name VALUE" or "--name=VALUE", the same either way. On a
// match, `i` ends on the last word the option took. An empty or absent value sets `missing`. A
// leading "~" or "~/" of an attached value is the home folder, as the shell makes it of a separate
// word but leaves it in "--name=~/...".
std::optional<std::string> optionValue(const std::vector<std::string>& args, std::size_t& i, std::string_view name,
                                       bool& missing);

} // namespace q417
