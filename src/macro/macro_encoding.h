#pragma once

#include "config/mouse_config.h"

#include <map>
#include <string>

namespace q417 {

// The lines of one macro as record.ini holds them: line number -> text. Numbers with no line read
// as empty lines.
using MacroLines = std::map<long long, std::string>;

inline constexpr int kLongestShortDelayMs = 1270; // 127 units of 10 ms

// Rewrites the event pairs of `slot` from the first `count` lines; the repeat count is kept.
// Every key press or release takes the delay written on the line after it. An encoding longer
// than the slot is cut after the last whole event that fits.
void encodeMacroEvents(const MacroLines& lines, long long count, MacroSlot& slot);

} // namespace q417
