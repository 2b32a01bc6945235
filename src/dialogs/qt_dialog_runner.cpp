#include "dialogs/qt_dialog_runner.h"

#include "dialogs/combo_key_dialog.h"
#include "dialogs/delay_time_dialog.h"
#include "dialogs/fire_key_dialog.h"
#include "dialogs/macro_key_dialog.h"
#include "dialogs/media_key_dialog.h"
#include "dialogs/single_key_dialog.h"
#include "dialogs/windows_key_dialog.h"
#include "macro/macro_library.h"

namespace q417 {

namespace {

// Runs a dialog modally; on OK, what it holds.
template <typename Dialog> std::optional<DialogChoice> run(Dialog& dialog) {
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return DialogChoice{dialog.choice()};
}

} // namespace

std::optional<QColor> QtDialogRunner::pickColour(QColor initial, QWidget* parent) {
    return colours_.pickColour(initial, parent);
}

std::optional<SkinChoice> QtDialogRunner::chooseSkin(const DialogHost& host,
                                                     const std::vector<std::filesystem::path>& skinRoots,
                                                     const std::string& skinName) {
    SkinsDialog dialog(host.skin, skinRoots, skinName, host.language, *this, messages_, host.origin, host.parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.choice();
}

std::optional<DialogChoice> QtDialogRunner::chooseAssignment(const DialogHost& host, ButtonFunction function) {
    switch (function) {
    case ButtonFunction::WindowsKey: {
        WindowsKeyDialog dialog(host, messages_);
        return run(dialog);
    }
    case ButtonFunction::MediaKey: {
        MediaKeyDialog dialog(host, messages_);
        return run(dialog);
    }
    case ButtonFunction::FireKey: {
        FireKeyDialog dialog(host, messages_);
        return run(dialog);
    }
    case ButtonFunction::SingleKey: {
        SingleKeyDialog dialog(host, messages_, keyNames_);
        return run(dialog);
    }
    case ButtonFunction::ComboKey: {
        ComboKeyDialog dialog(host, messages_, keyNames_);
        return run(dialog);
    }
    case ButtonFunction::MacroKey: {
        const MacroLibrary library(macroFile_);
        MacroKeyDialog dialog(host, messages_, library);
        return run(dialog);
    }
    default:
        return std::nullopt; // the other functions are chosen without a dialog
    }
}

std::optional<std::string> QtDialogRunner::chooseDelay(const DialogHost& host) {
    DelayTimeDialog dialog(host, messages_);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.typed().toStdString();
}

} // namespace q417
