#include "dialogs/qt_dialog_runner.h"

namespace q417 {

std::optional<QColor> QtDialogRunner::pickColour(QColor initial, QWidget* parent) {
    return colours_.pickColour(initial, parent);
}

std::optional<SkinChoice> QtDialogRunner::chooseSkin(const DialogHost& host, const std::filesystem::path& skinsRoot,
                                                     const std::string& skinName) {
    CSkinsDialog dialog(host.skin, skinsRoot, skinName, host.language, *this, messages_, host.origin, host.parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.choice();
}

std::optional<DialogChoice> QtDialogRunner::chooseAssignment(const DialogHost&, ButtonFunction) {
    return std::nullopt;
}

} // namespace q417
