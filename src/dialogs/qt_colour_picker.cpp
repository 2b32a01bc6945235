#include "dialogs/qt_colour_picker.h"

#include <QColorDialog>

namespace q417 {

std::optional<QColor> QtColourPicker::pickColour(QColor initial, QWidget* parent) {
    const QColor picked = QColorDialog::getColor(initial, parent);
    if (!picked.isValid()) {
        return std::nullopt; // cancelled
    }
    return picked;
}

} // namespace q417
