#pragma once

#include "pages/rect.h"
#include "ui/skin_files.h"

#include <array>
#include <optional>
#include <string_view>

namespace q417 {

// The buttons of the main window's frame, shared by both pages.
enum class FrameButton { Ok, Apply, Skins, Minimise, Close, PreviousPage, NextPage, Cancel, WebLink };

struct FrameRegion {
    FrameButton button;
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

// How a frame button looks: its images, whether its caption is redrawn over them, and the buttons
// that return to normal when it lights.
struct FrameLook {
    FrameButton button;
    std::string_view normalImage;
    std::string_view hoverImage;
    bool hasCaption;
    std::array<std::optional<FrameButton>, 2> partners;
};

// In the order a hover notification tests them. The web link has no hover look.
inline constexpr std::array<FrameLook, 8> kFrameHoverOrder{{
    {FrameButton::Ok, skin::kButtonNormal, skin::kButtonOver, true, {FrameButton::Apply, FrameButton::Cancel}},
    {FrameButton::Apply, skin::kButtonNormal, skin::kButtonOver, true, {FrameButton::Ok, FrameButton::Cancel}},
    {FrameButton::Cancel, skin::kButtonNormal, skin::kButtonOver, true, {FrameButton::Ok, FrameButton::Apply}},
    {FrameButton::Skins, skin::kSkinsNormal, skin::kSkinsOver, false, {}},
    {FrameButton::Close, skin::kCloseNormal, skin::kCloseOver, false, {}},
    {FrameButton::Minimise, skin::kMinimiseNormal, skin::kMinimiseOver, false, {}},
    {FrameButton::PreviousPage,
     "/button-PrePage-normal.png",
     "/button-PrePage-over.png",
     false,
     {FrameButton::NextPage, std::nullopt}},
    {FrameButton::NextPage,
     "/button-NextPage-normal.png",
     "/button-NextPage-over.png",
     false,
     {FrameButton::PreviousPage, std::nullopt}},
}};

[[nodiscard]] constexpr Rect frameRect(FrameButton button) {
    for (const FrameRegion& r : kFrameClickOrder) {
        if (r.button == button) {
            return r.rect;
        }
    }
    return {};
}

// The first hover-sensitive frame button under the point, in hover order.
[[nodiscard]] std::optional<FrameButton> frameHoverAt(int x, int y);

} // namespace q417
