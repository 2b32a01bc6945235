#include "pages/frame_regions.h"

namespace q417 {

std::vector<HoverElement> frameHoverElements() {
    std::vector<HoverElement> elements;
    for (const FrameLook& look : kFrameHoverOrder) {
        elements.push_back({static_cast<int>(look.button), frameRect(look.button), look.partnerGroup});
    }
    return elements;
}

const FrameLook* frameLook(FrameButton button) {
    for (const FrameLook& look : kFrameHoverOrder) {
        if (look.button == button) {
            return &look;
        }
    }
    return nullptr;
}

} // namespace q417
