#include "pages/frame_regions.h"

namespace q417 {

std::optional<FrameButton> frameHoverAt(int x, int y) {
    for (const FrameLook& look : kFrameHoverOrder) {
        if (frameRect(look.button).contains(x, y)) {
            return look.button;
        }
    }
    return std::nullopt;
}

} // namespace q417
