#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace q417::test {

// The lines of a trace text.
inline std::vector<std::string> traceLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream trace(text);
    for (std::string line; std::getline(trace, line);) {
        lines.push_back(line);
    }
    return lines;
}

// The bytes of a trace's data chunks sent after the first command line that starts with
// `command`, up to the next command.
inline std::vector<std::uint8_t> dataAfter(const std::vector<std::string>& lines, std::string_view command) {
    std::vector<std::uint8_t> data;
    auto line =
        std::find_if(lines.begin(), lines.end(), [command](const std::string& l) { return l.starts_with(command); });
    if (line == lines.end()) {
        return data;
    }
    for (++line; line != lines.end() && !line->starts_with("SET "); ++line) {
        if (line->starts_with("OUT ")) {
            std::istringstream bytes(line->substr(4));
            for (unsigned value = 0; bytes >> std::hex >> value;) {
                data.push_back(static_cast<std::uint8_t>(value));
            }
        }
    }
    return data;
}

inline std::vector<std::uint8_t> slice(const std::vector<std::uint8_t>& data, std::size_t from, std::size_t count) {
    return data.size() >= from + count
               ? std::vector<std::uint8_t>(data.begin() + static_cast<std::ptrdiff_t>(from),
                                           data.begin() + static_cast<std::ptrdiff_t>(from + count))
               : std::vector<std::uint8_t>{};
}

} // namespace q417::test
