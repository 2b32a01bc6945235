#include "macro/macro_encoding.h"

#include "assign/key_names.h"
#include "macro/macro_line.h"

#include <algorithm>
#include <string_view>

namespace q417 {

namespace {

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
        const MacroEvent event = parseMacroLine(it->second);
        if (!event.isKeyEvent()) {
            continue; // a delay line, consumed by the event before it, or junk
        }
        // The last line of the macro is followed by nothing: its delay is 0.
        const int delay = it->first + 1 < count ? delayAfterEvent(lineAt(lines, it->first + 1)) : 0;
        std::array<std::uint8_t, 4> bytes{};
        const std::size_t size =
            eventBytes(event.kind == MacroEvent::Kind::Release, keyNameToUsage(event.keyName), delay, bytes);
        if (at + size > slot.eventPairs.size()) {
            break;
        }
        std::copy_n(bytes.begin(), size, slot.eventPairs.begin() + static_cast<std::ptrdiff_t>(at));
        at += size;
    }
}

} // namespace q417
