#pragma once

#include "texts/language_fonts.h"

#include <QFont>

namespace q417 {

// The Qt font of a font description: its face first, then the installed stand-ins, at the pixel
// height and weight the skins were drawn for.
[[nodiscard]] QFont skinFont(const FontSpec& description);

} // namespace q417
