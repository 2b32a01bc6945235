#pragma once

#include "skin/rect.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace q417 {

// One element of a skinned surface that shows another look while the pointer rests on it.
struct HoverElement {
    int id = 0;           // the surface's own number for the element
    Rect rect;            // where it is sensitive, in client pixels
    int partnerGroup = 0; // elements of one non-zero group return to normal when another of it lights
};

// The hover looks of one surface (the main window with its page, or a skinned dialog). A move over
// a sensitive element asks for a hover notification; the notification lights the element under the
// point and returns its lit partners to normal. A move over an insensitive point returns every lit
// element to normal. Several elements stay lit only when the pointer went from one straight to
// another that is not its partner.
class HoverRegions {
public:
    // What the surface must redraw after a pointer event.
    struct Change {
        std::optional<int> lit;    // to draw in its hover look
        std::vector<int> restored; // to draw in their normal look
        bool wantsHover = false;   // a pointer move over a sensitive element: ask for the hover
    };

    // The sensitive elements in the order a hover tests them. Lit flags of elements that are no
    // longer listed are dropped.
    void setElements(std::vector<HoverElement> elements);
    [[nodiscard]] const std::vector<HoverElement>& elements() const { return elements_; }

    // The first element under the point, in hover order.
    [[nodiscard]] const HoverElement* elementAt(int x, int y) const;

    Change pointerMoved(int x, int y);
    Change hoverAt(int x, int y);

    [[nodiscard]] bool isLit(int id) const;
    // The element `id` and every element that shares pixels with it, directly or through another,
    // in hover order: drawing one look again means drawing all of them again.
    [[nodiscard]] std::vector<int> overlapping(int id) const;
    [[nodiscard]] bool anyLit() const { return !lit_.empty(); }
    // Forgets every lit flag without redrawing (a page switch draws everything anew).
    void clear() { lit_.clear(); }

private:
    std::vector<HoverElement> elements_;
    std::vector<int> lit_;
};

} // namespace q417
