#include "macro/macro_encoding.h"

#include "assign/key_names.h"
#include "platform/profile_file.h"

#include <algorithm>
#include <string_view>

namespace q417 {

namespace {

std::string removeAll(std::string text, std::string_view what) {
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at)) {
        text.erase(at, what.size());
    }
    return text;
}

const std::string& lineAt(const MacroLines& lines, long long number) {
    static const std::string empty;
    const auto it = lines.find(number);
    return it == lines.end() ? empty : it->second;
}

// The event's bytes: a short pair, or for delays above 1270 ms the long form of two pairs.
std::size_t eventBytes(bool release, std::uint8_t code, int delay, std::array<std::uint8_t, 4>& out) {
    const std::uint8_t releaseFlag = release ? 0x80 : 0x00;
    if (delay <= kLongestShortDelayMs) {
        out[0] = static_cast<std::uint8_t>(releaseFlag | ((delay / 10) & 0x7F));
        out[1] = code;
        return 2;
    }
    out[0] = static_cast<std::uint8_t>(releaseFlag | ((delay % 100) & 0x7F));
    out[1] = code;
    out[2] = static_cast<std::uint8_t>((delay / 100) & 0xFF);
    out[3] = 0x03;
    return 4;
}

} // namespace

void encodeMacroEvents(const MacroLines& lines, long long count, MacroSlot& slot) {
    slot.eventPairs.fill(0);
    std::size_t at = 0;
    // Only lines that exist can be events: the missing ones in between add nothing.
    for (auto it = lines.begin(); it != lines.end() && it->first < count; ++it) {
        const std::string& line = it->second;
        const bool press = line.find(kPressMark) != std::string::npos;
        if (!press && line.find(kReleaseMark) == std::string::npos) {
            continue; // a delay line, consumed by the event before it, or junk
        }
        const std::string name = removeAll(line, press ? kPressMark : kReleaseMark);
        // The last line of the macro is followed by nothing: its delay is 0.
        const int delay = it->first + 1 < count ? leadingInt(removeAll(lineAt(lines, it->first + 1), " ms")) : 0;
        std::array<std::uint8_t, 4> bytes{};
        const std::size_t size = eventBytes(!press, keyNameToUsage(name), delay, bytes);
        if (at + size > slot.eventPairs.size()) {
            break;
        }
        std::copy_n(bytes.begin(), size, slot.eventPairs.begin() + static_cast<std::ptrdiff_t>(at));
        at += size;
    }
}

} // namespace q417
