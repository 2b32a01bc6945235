#pragma once

#include "config/mouse_config.h"
#include "platform/message_sink.h"
#include "platform/pointer_settings.h"

namespace q417 {

// Level conversions between the advanced page's rows (1..11 lit cells) and the system's values.
// Levels are kept within 1..11 before they are converted.
[[nodiscard]] int speedLevelFromSystem(int speed);       // speed / 2 + 1
[[nodiscard]] int systemSpeedFromLevel(int level);       // 1 for level 1, else 2 * level - 2
[[nodiscard]] int doubleClickLevelFromSystem(int ms);    // (900 - ms) / 70 + 1, as a byte
[[nodiscard]] int systemDoubleClickFromLevel(int level); // 970 - 70 * level

// The first build of the advanced page: the system's values into the record's five fields, with a
// "Warning" box for every read that fails; a setting the desktop does not keep leaves its field.
void readSystemMouseSettings(PointerSettings& system, MessageSink& messages, MouseConfig& config);

// OK and Apply: the record's five fields to the system, each step on its own, a "Warning" box for
// every write that fails.
void applySystemMouseSettings(PointerSettings& system, MessageSink& messages, const MouseConfig& config);

// The advanced page's Default: the system defaults go to the system at once (speed 10, 3 lines,
// 500 ms, precision off) and the record takes the default levels.
void restoreSystemDefaults(PointerSettings& system, MessageSink& messages, MouseConfig& config);

} // namespace q417
