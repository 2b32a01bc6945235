#pragma once

#include "config/mouse_config.h"

#include <array>
#include <string>

namespace q417 {

// The caption of each button's assignment, indexed [mode][button] (mode 0 = Mode A). Labels are
// stored text kept in str.ini, not recomputed from the banks: each keeps the language it was made in.
using KeyLabels = std::array<std::array<std::string, kButtonCount>, kModeCount>;

} // namespace q417
