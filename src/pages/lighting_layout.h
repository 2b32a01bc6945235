#pragma once

#include "skin/rect.h"

// Where the lighting section of the basic page sits, in client pixels of the main window.
namespace q417::lighting_layout {

struct Field {
    Rect caption; // right-aligned caption on the field's left
    Rect value;   // the value field, text centred
    Rect click;   // a click here opens or closes the field's list
    Rect list;    // the list under the field (the Parameter list's height depends on the mode)
};

inline constexpr Field kMode{{697, 330, 757, 344}, {767, 330, 835, 344}, {767, 330, 851, 344}, {766, 347, 851, 407}};
inline constexpr Field kParameter{
    {697, 360, 757, 374}, {767, 360, 835, 374}, {767, 360, 851, 374}, {767, 377, 851, 374}};
inline constexpr Field kEffect{{697, 390, 757, 404}, {767, 390, 835, 404}, {767, 390, 851, 404}, {766, 407, 851, 447}};

// The Parameter list reaches `listHeight` pixels below 374.
[[nodiscard]] constexpr Rect parameterList(int listHeight) {
    return {kParameter.list.left, kParameter.list.top, kParameter.list.right, 374 + listHeight};
}

} // namespace q417::lighting_layout
