#pragma once

#include "config/mouse_config.h"

#include <string>

namespace q417 {

// The settings a new install starts from: the "Default" key assignments in both modes, all four
// DPI stages on with distinct colours, 1000 Hz, standard lighting at a middle brightness, and the
// system pointer defaults. Its first-run flag is 0, so the labels are made on the first start.
MouseConfig factoryConfig();

// The str.ini a new install starts from: English, a light text colour for the dark default
// skin, skin "Default", no labels yet.
std::string factoryUiSettingsText();

} // namespace q417
