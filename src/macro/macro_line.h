#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace q417 {

inline constexpr std::string_view kPressMark = "   Dn";
inline constexpr std::string_view kReleaseMark = "   Up";
inline constexpr std::string_view kDelayUnit = " ms";

// One line of a macro as record.ini and the event list hold it: a key or mouse-button press
// ("A   Dn"), a release ("A   Up"), or a delay ("50 ms"). The one place that writes and reads the
// line marks.
struct MacroEvent {
    enum class Kind : std::uint8_t { Press, Release, Delay, Other };
    Kind kind = Kind::Other;
    std::string keyName; // press and release: "A", "Right Ctrl", "L-Button", ...
    int delayMs = 0;     // delay: the number of the line, in milliseconds

    [[nodiscard]] static MacroEvent press(std::string keyName);
    [[nodiscard]] static MacroEvent release(std::string keyName);
    [[nodiscard]] static MacroEvent delay(int ms);

    [[nodiscard]] bool isKeyEvent() const { return kind == Kind::Press || kind == Kind::Release; }
};

// The line of an event: "<name>   Dn", "<name>   Up", "<ms> ms"; empty for Other.
[[nodiscard]] std::string formatMacroLine(const MacroEvent& event);

// A line as the mouse's encoder reads it: a press when it holds "   Dn" anywhere, else a release
// when it holds "   Up", the name being the line with every copy of that mark removed (so a line
// holding both is a press whose name keeps the release mark); else a delay when it
// holds "ms" (its number as delayAfterEvent reads it); else Other.
[[nodiscard]] MacroEvent parseMacroLine(std::string_view line);

// The delay that a line gives the event on the line before it, as the mouse's encoder reads it:
// the leading number of the line with every " ms" taken out (blanks, a sign, digits; 0 without
// one), whatever the line is. "A   Dn" gives 0, and so does "soon".
[[nodiscard]] int delayAfterEvent(std::string_view nextLine);

// Whether a line is a delay line in the editor's sense (it holds "ms").
[[nodiscard]] bool isDelayLine(std::string_view line);

} // namespace q417
