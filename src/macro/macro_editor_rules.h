#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace q417 {

inline constexpr std::size_t kMacroLimit = 12;
inline constexpr int kInsertedDelayMs = 50;

// Why New refuses a name, checked in this order. Blank: storableMacroName keeps nothing of it, so an
// empty name or one of blanks only (record.ini would trim them to an empty section name). Names
// are compared as record.ini compares section names: ASCII letters without regard to case.
enum class NewMacroRefusal : std::uint8_t { None, NameBlank, TooMany, NameExists };
[[nodiscard]] NewMacroRefusal checkNewMacroName(std::string_view name, const std::vector<std::string>& listed);

// The loop-times box: the text it shows and the repeat count stored. Empty, non-numeric, below 1
// or above 65535 become "1" and 1; otherwise the text stays as typed and the value is its leading
// number as atoi reads it.
struct LoopTimes {
    std::string text;
    std::uint16_t value = 1;
};
[[nodiscard]] LoopTimes loopTimesRule(std::string_view text);

// The mouse-event drop-down's entries, the same in every language.
inline constexpr std::array<std::string_view, 9> kMouseEventEntries{
    "L-Button Click", "R-Button Click", "M-Button Click", "L-Button   Dn", "L-Button   Up",
    "R-Button   Dn",  "R-Button   Up",  "M-Button   Dn",  "M-Button   Up"};

// What picking a drop-down entry does to the event list: `lines` go in before position `at`, and
// `select` is the line selected afterwards (nothing: the selection stays).
struct MouseEventInsertion {
    std::size_t at = 0;
    std::vector<std::string> lines;
    std::optional<std::size_t> select;
};
// Nothing when nothing is inserted (lines but none selected; or no macro selected on an empty list).
[[nodiscard]] std::optional<MouseEventInsertion> mouseEventInsertion(std::string_view entry,
                                                                     const std::vector<std::string>& eventLines,
                                                                     std::optional<std::size_t> selectedLine,
                                                                     bool macroSelected);

// The delay dialog's OK: the typed digits (maybe empty) become the new delay line. Below 20 gives
// "20 ms", above 10000 gives "10000 ms", otherwise the digits as typed (leading zeros kept) + " ms".
// The value is the text's leading number as atoi reads it, clamped, so no digit string overflows;
// a text that is not digits alone is written as that number.
[[nodiscard]] std::string delayLineFromTyped(std::string_view typedDigits);

// record.ini stores a macro's name as a section header, so a name can hold only what a header can
// give back unchanged: no "[", "]", line breaks or control characters, no blanks at either end,
// at most 31 characters. Whether one character may be typed into the name box.
[[nodiscard]] bool isMacroNameChar(char32_t c);
// The name with what cannot be stored taken out (malformed UTF-8 too), trimmed of blanks at both
// ends and cut to 31 characters as saveMacro cuts it, blanks the cut leaves at the end trimmed again.
[[nodiscard]] std::string storableMacroName(std::string_view typed);

} // namespace q417
