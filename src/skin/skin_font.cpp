#include "skin/skin_font.h"

#include "skin/qt_convert.h"

#include <QString>
#include <QStringList>

namespace q417 {

QFont skinFont(const FontSpec& description) {
    QStringList families{fromUtf8(description.family)};
    for (const std::string_view fallback : description.fallbacks) {
        if (!fallback.empty()) {
            families << fromUtf8(fallback);
        }
    }
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(description.pixelHeight > 0 ? description.pixelHeight : 14);
    font.setWeight(static_cast<QFont::Weight>(description.weight));
    return font;
}

} // namespace q417
