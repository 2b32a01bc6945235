#pragma once

#include <QKeyEvent>

namespace q417 {

// Whether a key press confirms a dialog as OK does: Enter or Return without modifiers, or Enter on
// the keypad. QDialog does this only through a default push button, which skinned dialogs lack.
[[nodiscard]] inline bool confirmsDialog(const QKeyEvent& event) {
    const bool enter = event.key() == Qt::Key_Enter || event.key() == Qt::Key_Return;
    return enter && (event.modifiers() == Qt::NoModifier || event.modifiers() == Qt::KeypadModifier);
}

} // namespace q417
