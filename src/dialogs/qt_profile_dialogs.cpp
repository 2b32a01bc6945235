// The tray menu's profile dialogs: the desktop's own input, file and question dialogs.
#include "dialogs/qt_dialog_runner.h"
#include "skin/qt_convert.h"
#include "texts/profile_menu_texts.h"

#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace q417 {

namespace {

// Opened from the tray, the window may be hidden: a dialog does not hang on a window nobody sees.
QWidget* visibleParent(const DialogHost& host) {
    return host.parent != nullptr && host.parent->isVisible() ? host.parent : nullptr;
}

} // namespace

std::optional<std::string> QtDialogRunner::chooseProfileName(const DialogHost& host) {
    const ProfileMenuTexts texts = profileMenuTexts(host.language);
    bool ok = false;
    const QString name = QInputDialog::getText(visibleParent(host), fromUtf8(texts.nameTitle),
                                               fromUtf8(texts.namePrompt), QLineEdit::Normal, QString(), &ok);
    if (!ok) {
        return std::nullopt;
    }
    return name.toStdString();
}

std::optional<std::filesystem::path> QtDialogRunner::chooseProfileFile(const DialogHost& host, ProfileFileUse use) {
    const ProfileMenuTexts texts = profileMenuTexts(host.language);
    const bool exporting = use == ProfileFileUse::Export;
    QFileDialog dialog(visibleParent(host), fromUtf8(exporting ? texts.exportTitle : texts.importTitle),
                       QDir::homePath(), fromUtf8(texts.fileFilter));
    dialog.setAcceptMode(exporting ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(exporting ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // A name typed without ".json" gets it, so the file shows under the filter next time.
    dialog.setDefaultSuffix("json");
    if (exporting) {
        dialog.selectFile("mouse-profile.json");
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return std::filesystem::path(dialog.selectedFiles().constFirst().toStdString());
}

bool QtDialogRunner::confirm(const DialogHost& host, const std::string& question) {
    return QMessageBox::question(visibleParent(host), "Gaming Mouse Setting", fromUtf8(question),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

} // namespace q417
