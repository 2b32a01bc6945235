#include "pages/basic_page_rules.h"
#include "pages/frame_regions.h"

namespace q417 {
namespace {

// A record declared without braces ("BasicHit hit;") must hold the same values as one declared with
// them. These are evaluated as constants, where reading a field left indeterminate does not
// compile: a field that loses its initialiser breaks the test build.

constexpr bool aPlainHitIsTheEmptyHit() {
    BasicHit hit;
    return hit == BasicHit{};
}

constexpr bool aPlainFrameRegionIsTheEmptyRegion() {
    FrameRegion region;
    return region.button == FrameRegion{}.button;
}

constexpr bool aPlainFrameLookIsTheEmptyLook() {
    FrameLook look;
    const FrameLook empty{};
    return look.button == empty.button && look.normalImage == empty.normalImage &&
           look.hoverImage == empty.hoverImage && look.hasCaption == empty.hasCaption &&
           look.partnerGroup == empty.partnerGroup;
}

static_assert(aPlainHitIsTheEmptyHit());
static_assert(aPlainFrameRegionIsTheEmptyRegion());
static_assert(aPlainFrameLookIsTheEmptyLook());

} // namespace
} // namespace q417
