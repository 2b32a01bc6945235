#pragma once

#include "skin/hover_regions.h"
#include "skin/rect.h"
#include "skin/skin_files.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace q417 {

// The buttons of the main window's frame, shared by both pages.
enum class FrameButton { Ok, Apply, Skins, Minimise, Close, PreviousPage, NextPage, Cancel, WebLink };

struct FrameRegion {
    FrameButton button{};
    Rect rect;
};

// In the order a click tests them.
inline constexpr std::array<FrameRegion, 9> kFrameClickOrder{{
    {FrameButton::Ok, {562, 623, 667, 644}},
    {FrameButton::Apply, {666, 623, 771, 644}},
    {FrameButton::Skins, {701, 5, 719, 23}},
    {FrameButton::Minimise, {825, 5, 843, 23}},
    {FrameButton::Close, {850, 5, 868, 23}},
    {FrameButton::PreviousPage, {14, 54, 54, 94}},
    {FrameButton::NextPage, {60, 54, 100, 94}},
    {FrameButton::Cancel, {770, 623, 875, 644}},
    {FrameButton::WebLink, {306, 596, 498, 616}},
}};

// Frame buttons of one non-zero group return to normal when another of the group lights.
inline constexpr int kFrameButtonGroup = 1; // OK, Apply, Cancel
inline constexpr int kFramePageGroup = 3;   // previous and next page

// How a frame button looks: its images, whether its caption is redrawn over them, and its partner
// group.
struct FrameLook {
    FrameButton button{};
    std::string_view normalImage;
    std::string_view hoverImage;
    bool hasCaption = false;
    int partnerGroup = 0;
};

// In the order a hover notification tests them. The web link has no hover look.
inline constexpr std::array<FrameLook, 8> kFrameHoverOrder{{
    {FrameButton::Ok, skin::kButtonNormal, skin::kButtonOver, true, kFrameButtonGroup},
    {FrameButton::Apply, skin::kButtonNormal, skin::kButtonOver, true, kFrameButtonGroup},
    {FrameButton::Cancel, skin::kButtonNormal, skin::kButtonOver, true, kFrameButtonGroup},
    {FrameButton::Skins, skin::kSkinsNormal, skin::kSkinsOver, false, 0},
    {FrameButton::Close, skin::kCloseNormal, skin::kCloseOver, false, 0},
    {FrameButton::Minimise, skin::kMinimiseNormal, skin::kMinimiseOver, false, 0},
    {FrameButton::PreviousPage, skin::kPreviousPageNormal, skin::kPreviousPageOver, false, kFramePageGroup},
    {FrameButton::NextPage, skin::kNextPageNormal, skin::kNextPageOver, false, kFramePageGroup},
}};

[[nodiscard]] constexpr Rect frameRect(FrameButton button) {
    for (const FrameRegion& r : kFrameClickOrder) {
        if (r.button == button) {
            return r.rect;
        }
    }
    return {};
}

// The frame's hover elements in hover order; an element's id is its FrameButton value.
[[nodiscard]] std::vector<HoverElement> frameHoverElements();

// The look of a frame button that has one.
[[nodiscard]] const FrameLook* frameLook(FrameButton button);

} // namespace q417
