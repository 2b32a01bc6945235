#pragma once

#include <QWidget>

namespace q417 {

// Prints "mapped_ms N" when `window` is first exposed, N counted from `execStampMs` (wall clock,
// milliseconds since the epoch, taken by the launcher just before exec), then ends the program.
void reportFirstExposure(QWidget& window, long long execStampMs);

} // namespace q417
