#pragma once

#include "texts/language_fonts.h"

#include <QFont>

namespace q417 {

// The Qt font of a font description: its face first, then the installed stand-ins, in the weight
// the skins were drawn for, at the largest pixel size whose cell (ascent plus descent) is no taller
// than the description's height.
[[nodiscard]] QFont skinFont(const FontSpec& description);

} // namespace q417
