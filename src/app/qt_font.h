#pragma once

#include "ui/language_fonts.h"

#include <QFont>
#include <QStringList>

namespace q417 {

// The Qt font for a font description: its face first, then the installed stand-ins.
inline QFont toQFont(const FontSpec& spec) {
    QStringList families{QString::fromUtf8(spec.family.data(), static_cast<qsizetype>(spec.family.size()))};
    for (const std::string_view fallback : spec.fallbacks) {
        if (!fallback.empty()) {
            families << QString::fromUtf8(fallback.data(), static_cast<qsizetype>(fallback.size()));
        }
    }
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(spec.pixelHeight);
    font.setWeight(static_cast<QFont::Weight>(spec.weight));
    return font;
}

} // namespace q417
