#pragma once

#include "skin/rect.h"

#include <QColor>

namespace q417 {

class SkinCanvas;

// The look the dialogs' fields share: white text on dark grey, in a box sunk by one pixel.
inline constexpr QColor kFieldBackground{40, 40, 40};
inline constexpr QColor kSunkenShadow{16, 16, 16};
inline constexpr QColor kSunkenLight{96, 96, 96};

// A field's box drawn on a dialog's picture: the dark grey filled in, the upper and left edges in
// shadow, the lower and right edges lit.
void drawSunkenBox(SkinCanvas& canvas, const Rect& rect);

} // namespace q417
