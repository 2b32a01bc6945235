#pragma once

#include "skin/rect.h"

#include <QPoint>

// Where the tests click the main window, in its client pixels, as a user's pointer would.
namespace q417::test {

inline constexpr QPoint kWindowOk{600, 630};
inline constexpr QPoint kWindowApply{700, 630};
inline constexpr QPoint kWindowCancel{800, 630};
inline constexpr QPoint kBesideTheKeyRows{150, 300}; // nothing of either page

inline QPoint centre(const Rect& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

} // namespace q417::test
