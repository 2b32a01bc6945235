#include "platform/option_value.h"

#include <cstdlib>

namespace q417 {

std::optional<std::string> optionValue(const std::vector<std::string>& args, std::size_t& i, std::string_view name,
                                       bool& missing) {
    const std::string& arg = args[i];
    if (arg == name) {
        if (i + 1 >= args.size() || args[i + 1].empty()) {
            missing = true;
            return std::nullopt;
        }
        return args[++i];
    }
    if (arg.size() <= name.size() || arg.compare(0, name.size(), name) != 0 || arg[name.size()] != '=') {
        return std::nullopt;
    }
    std::string value = arg.substr(name.size() + 1);
    if (value.empty()) {
        missing = true;
        return std::nullopt;
    }
    const char* home = std::getenv("HOME");
    if ((value == "~" || value.rfind("~/", 0) == 0) && home != nullptr && *home != '\0') {
        value.replace(0, 1, home);
    }
    return value;
}

} // namespace q417
