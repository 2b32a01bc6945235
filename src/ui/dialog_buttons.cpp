#include "ui/dialog_buttons.h"

namespace q417 {

std::optional<DialogButton> dialogButtonAt(int x, int y) {
    for (const DialogButton button : {DialogButton::Ok, DialogButton::Cancel, DialogButton::Close}) {
        if (dialogButtonRect(button).contains(x, y)) {
            return button;
        }
    }
    return std::nullopt;
}

bool DialogButtonHover::pointerMoved(int x, int y) {
    if (dialogButtonAt(x, y)) {
        return true;
    }
    lit_ = {};
    return false;
}

void DialogButtonHover::hoverAt(int x, int y) {
    const std::optional<DialogButton> button = dialogButtonAt(x, y);
    if (!button) {
        return;
    }
    lit_[index(*button)] = true;
    if (*button == DialogButton::Ok) {
        lit_[index(DialogButton::Cancel)] = false;
    } else if (*button == DialogButton::Cancel) {
        lit_[index(DialogButton::Ok)] = false;
    }
}

} // namespace q417
