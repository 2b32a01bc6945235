#pragma once

#include "skin/rect.h"

#include <QRect>
#include <QString>
#include <string_view>

// The few conversions between the core's plain types and Qt's that every window needs.
namespace q417 {

[[nodiscard]] inline QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A rectangle whose right and bottom edges lie outside it, as Qt's QRect(left, top, width, height).
[[nodiscard]] inline QRect toQRect(const Rect& rect) {
    return {rect.left, rect.top, rect.width(), rect.height()};
}

} // namespace q417
