#include "dialogs/qt_colour_picker.h"

#include <QColorDialog>

namespace q417 {

std::optional<QColor> QtColourPicker::pickColour(QColor initial, QWidget* parent) {
    QColorDialog dialog(initial, parent);
    dialog.setWindowModality(parent != nullptr ? Qt::WindowModal : Qt::ApplicationModal); // the tray stays reachable
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt; // cancelled
    }
    return dialog.selectedColor();
}

} // namespace q417
