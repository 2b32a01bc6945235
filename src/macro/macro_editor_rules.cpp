#include "macro/macro_editor_rules.h"

#include "macro/macro_library.h"
#include "macro/macro_line.h"
#include "platform/ini_document.h"
#include "platform/ini_file.h"
#include "platform/text_encoding.h"

#include <algorithm>

namespace q417 {

namespace {

constexpr int kFewestLoops = 1;
constexpr int kMostLoops = 65535;
constexpr int kShortestTypedDelayMs = 20;
constexpr int kLongestTypedDelayMs = 10000;
constexpr std::string_view kClick = " Click";

// The blanks the INI reader trims from both ends of a section name that the name box lets in.
std::string_view trimSpaces(std::string_view s) {
    const std::size_t first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

bool isDigits(std::string_view s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

std::string delayLine(int ms) {
    return formatMacroLine(MacroEvent::delay(ms));
}

// " Click" in a drop-down entry replaced by a line mark: "L-Button Click" -> "L-Button   Dn".
std::string clickHalf(std::string_view entry, std::string_view mark) {
    std::string line(entry);
    const std::size_t at = line.find(kClick);
    if (at != std::string::npos) {
        line.replace(at, kClick.size(), mark);
    }
    return line;
}

} // namespace

NewMacroRefusal checkNewMacroName(std::string_view name, const std::vector<std::string>& listed) {
    // Blank: nothing left that record.ini could store, so an empty box or one of blanks only.
    const std::string wanted = storableMacroName(name);
    if (wanted.empty()) {
        return NewMacroRefusal::NameBlank;
    }
    if (listed.size() >= kMacroLimit) {
        return NewMacroRefusal::TooMany;
    }
    const bool exists = std::any_of(listed.begin(), listed.end(),
                                    [&wanted](const std::string& other) { return sameIniName(other, wanted); });
    return exists ? NewMacroRefusal::NameExists : NewMacroRefusal::None;
}

LoopTimes loopTimesRule(std::string_view text) {
    const int value = leadingInt(text);
    if (value < kFewestLoops || value > kMostLoops) {
        return {"1", kFewestLoops};
    }
    return {std::string(text), static_cast<std::uint16_t>(value)};
}

std::optional<MouseEventInsertion> mouseEventInsertion(std::string_view entry,
                                                       const std::vector<std::string>& eventLines,
                                                       std::optional<std::size_t> selectedLine, bool macroSelected) {
    const std::string pause = delayLine(kInsertedDelayMs);
    const bool click = entry.find("Click") != std::string_view::npos;
    std::vector<std::string> event;
    if (click) {
        event = {clickHalf(entry, kPressMark), pause, clickHalf(entry, kReleaseMark)};
    } else {
        event = {std::string(entry)};
    }
    MouseEventInsertion insertion;
    if (!selectedLine || *selectedLine >= eventLines.size()) {
        if (!eventLines.empty() || !macroSelected) {
            return std::nullopt;
        }
        insertion.lines = std::move(event);
        insertion.lines.push_back(pause);
        return insertion;
    }
    const std::size_t p = *selectedLine;
    insertion.at = p + 1;
    if (isDelayLine(eventLines[p])) {
        // After a delay: the event, then a delay of its own.
        insertion.lines = std::move(event);
        insertion.lines.push_back(pause);
        insertion.select = p + 1;
    } else {
        // After an event: a delay for it, then the new event.
        insertion.lines.push_back(pause);
        insertion.lines.insert(insertion.lines.end(), event.begin(), event.end());
        insertion.select = p + 2;
    }
    return insertion;
}

std::string delayLineFromTyped(std::string_view typedDigits) {
    const int value = leadingInt(typedDigits); // clamped, so any number of digits is safe
    if (value < kShortestTypedDelayMs) {
        return delayLine(kShortestTypedDelayMs);
    }
    if (value > kLongestTypedDelayMs) {
        return delayLine(kLongestTypedDelayMs);
    }
    // Digits keep their leading zeros; anything else is written as the number it stands for, so
    // the line always reads back as that delay.
    return isDigits(typedDigits) ? std::string(typedDigits) + std::string(kDelayUnit) : delayLine(value);
}

bool isMacroNameChar(char32_t c) {
    const bool control = c < 0x20 || (c >= 0x7F && c <= 0x9F);
    const bool lineBreak = c == 0x2028 || c == 0x2029;
    const bool bracket = c == '[' || c == ']';
    const bool notACharacter = (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF;
    return !(control || lineBreak || bracket || notACharacter);
}

std::string storableMacroName(std::string_view typed) {
    std::string kept;
    kept.reserve(typed.size());
    for (std::size_t at = 0; at < typed.size();) {
        const std::size_t start = at;
        const std::optional<char32_t> c = decodeUtf8At(typed, at);
        if (c && isMacroNameChar(*c)) {
            kept.append(typed.substr(start, at - start));
        }
    }
    // Cut as saveMacro cuts, then trim again: the cut may leave a blank at the end.
    const std::string cut = truncateUtf8(trimSpaces(kept), kMacroNameMaxChars);
    return std::string(trimSpaces(cut));
}

} // namespace q417
