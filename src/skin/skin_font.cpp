#include "skin/skin_font.h"

#include "skin/qt_convert.h"

#include <QFontMetrics>
#include <QString>
#include <QStringList>

namespace q417 {

namespace {

constexpr int kDefaultCellHeight = 14;

} // namespace

QFont skinFont(const FontSpec& description) {
    QStringList families{fromUtf8(description.family)};
    for (const std::string_view fallback : description.fallbacks) {
        if (!fallback.empty()) {
            families << fromUtf8(fallback);
        }
    }
    QFont font;
    font.setFamilies(families);
    font.setWeight(static_cast<QFont::Weight>(description.weight));
    // The height is the text's whole cell, ascent plus descent, as the skins were drawn for: the
    // largest pixel size whose cell fits it.
    const int cell = description.pixelHeight > 0 ? description.pixelHeight : kDefaultCellHeight;
    int size = cell;
    font.setPixelSize(size);
    while (size > 1 && QFontMetrics(font).height() > cell) {
        font.setPixelSize(--size);
    }
    return font;
}

} // namespace q417
