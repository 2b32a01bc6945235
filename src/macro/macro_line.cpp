#include "macro/macro_line.h"

#include "platform/ini_file.h"

#include <utility>

namespace q417 {

namespace {

std::string removeAll(std::string_view text, std::string_view what) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = text.find(what); at != std::string_view::npos; at = text.find(what)) {
        out.append(text.substr(0, at));
        text.remove_prefix(at + what.size());
    }
    out.append(text);
    return out;
}

bool holds(std::string_view line, std::string_view what) {
    return line.find(what) != std::string_view::npos;
}

} // namespace

MacroEvent MacroEvent::press(std::string keyName) {
    MacroEvent event;
    event.kind = Kind::Press;
    event.keyName = std::move(keyName);
    return event;
}

MacroEvent MacroEvent::release(std::string keyName) {
    MacroEvent event;
    event.kind = Kind::Release;
    event.keyName = std::move(keyName);
    return event;
}

MacroEvent MacroEvent::delay(int ms) {
    MacroEvent event;
    event.kind = Kind::Delay;
    event.delayMs = ms;
    return event;
}

std::string formatMacroLine(const MacroEvent& event) {
    switch (event.kind) {
    case MacroEvent::Kind::Press:
        return event.keyName + std::string(kPressMark);
    case MacroEvent::Kind::Release:
        return event.keyName + std::string(kReleaseMark);
    case MacroEvent::Kind::Delay:
        return std::to_string(event.delayMs) + std::string(kDelayUnit);
    case MacroEvent::Kind::Other:
        break;
    }
    return {};
}

MacroEvent parseMacroLine(std::string_view line) {
    // The press mark wins: a line holding both marks is a press whose name keeps the release mark.
    if (holds(line, kPressMark)) {
        return MacroEvent::press(removeAll(line, kPressMark));
    }
    if (holds(line, kReleaseMark)) {
        return MacroEvent::release(removeAll(line, kReleaseMark));
    }
    if (isDelayLine(line)) {
        return MacroEvent::delay(delayAfterEvent(line));
    }
    return MacroEvent{};
}

int delayAfterEvent(std::string_view nextLine) {
    return leadingInt(removeAll(nextLine, kDelayUnit));
}

bool isDelayLine(std::string_view line) {
    return holds(line, "ms");
}

} // namespace q417
