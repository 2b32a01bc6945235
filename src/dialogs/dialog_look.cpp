#include "dialogs/dialog_look.h"

#include "skin/skin_canvas.h"

namespace q417 {

void drawSunkenBox(SkinCanvas& canvas, const Rect& r) {
    canvas.fill(r, kFieldBackground);
    canvas.fill({r.left, r.top, r.right, r.top + 1}, kSunkenShadow);
    canvas.fill({r.left, r.top, r.left + 1, r.bottom}, kSunkenShadow);
    canvas.fill({r.left, r.bottom - 1, r.right, r.bottom}, kSunkenLight);
    canvas.fill({r.right - 1, r.top, r.right, r.bottom}, kSunkenLight);
}

} // namespace q417
