#include "app/profile_menu.h"

#include "platform/atomic_file.h"
#include "platform/data_folder_lock.h"
#include "profile/profile_json.h"
#include "profile/profile_store.h"
#include "skin/qt_convert.h"

#include <QApplication>
#include <algorithm>

namespace q417 {

namespace {

// A name shown as a menu item: "&" would otherwise mark a shortcut letter and vanish.
QString menuItemText(const std::string& name) {
    return fromUtf8(name).replace('&', "&&");
}

} // namespace

ProfileMenu::ProfileMenu(Configurator& model, MainWindow& window, DialogRunner& dialogs, MessageSink& messages,
                         QObject* parent)
    : QObject(parent)
    , model_(model)
    , window_(window)
    , dialogs_(dialogs)
    , messages_(messages)
    , texts_(profileMenuTexts(model.ui().language)) {
    menu_.setTitle(fromUtf8(texts_.menu));
    deleteMenu_.setTitle(fromUtf8(texts_.deleteMenu));
    refresh();
}

void ProfileMenu::refresh() {
    menu_.menuAction()->setEnabled(QApplication::activeModalWidget() == nullptr);
    menu_.clear();
    connect(menu_.addAction(fromUtf8(texts_.saveAs)), &QAction::triggered, this, &ProfileMenu::saveAs);
    menu_.addSeparator();
    deleteMenu_.clear();
    const std::vector<std::string> names = listProfiles(model_.paths());
    for (const std::string& name : names) {
        connect(menu_.addAction(menuItemText(name)), &QAction::triggered, this, [this, name] { load(name); });
        connect(deleteMenu_.addAction(menuItemText(name)), &QAction::triggered, this, [this, name] { remove(name); });
    }
    if (names.empty()) {
        menu_.addAction(fromUtf8(texts_.noneSaved))->setEnabled(false);
    }
    menu_.addSeparator();
    connect(menu_.addAction(fromUtf8(texts_.importFile)), &QAction::triggered, this, &ProfileMenu::importFile);
    connect(menu_.addAction(fromUtf8(texts_.exportFile)), &QAction::triggered, this, &ProfileMenu::exportFile);
    menu_.addSeparator();
    menu_.addMenu(&deleteMenu_)->setEnabled(!names.empty());
}

void ProfileMenu::saveAs() {
    const std::optional<std::string> name = dialogs_.chooseProfileName(host());
    if (!name) {
        return;
    }
    if (Status s = checkProfileName(*name); !s.ok()) {
        refused(texts_.notSaved, s.message);
        return;
    }
    const std::vector<std::string> names = listProfiles(model_.paths());
    if (std::find(names.begin(), names.end(), *name) != names.end() &&
        !dialogs_.confirm(host(), fillIn(texts_.replaceQuestion, *name))) {
        return;
    }
    ProfileData profile;
    const DataFolderLock lock(model_.paths().dir());
    Status s = lock.status();
    if (s.ok()) {
        s = model_.shownProfile(profile);
    }
    if (s.ok()) {
        s = storeProfile(model_.paths(), *name, writeProfileJson(profile));
    }
    if (!s.ok()) {
        refused(texts_.notSaved, s.message);
    }
}

void ProfileMenu::load(const std::string& name) {
    std::string json;
    const Status read = readStoredProfile(model_.paths(), name, json);
    loadText(name, read, json);
}

void ProfileMenu::importFile() {
    const std::optional<std::filesystem::path> file =
        dialogs_.chooseProfileFile(host(), DialogRunner::ProfileFileUse::Import);
    if (!file) {
        return;
    }
    std::string json;
    const Status read = readWholeFile(*file, json, kMaxProfileBytes);
    loadText(file->string(), read, json);
}

void ProfileMenu::exportFile() {
    const std::optional<std::filesystem::path> file =
        dialogs_.chooseProfileFile(host(), DialogRunner::ProfileFileUse::Export);
    if (!file) {
        return;
    }
    ProfileData profile;
    Status s = model_.shownProfile(profile);
    if (s.ok()) {
        s = replaceFileAtomically(*file, writeProfileJson(profile));
    }
    if (!s.ok()) {
        refused(texts_.notSaved, s.message);
    }
}

void ProfileMenu::remove(const std::string& name) {
    if (!dialogs_.confirm(host(), fillIn(texts_.deleteQuestion, name))) {
        return;
    }
    // One unlink, whole or not at all: no lock to wait for.
    if (Status s = deleteStoredProfile(model_.paths(), name); !s.ok()) {
        refused(texts_.notDeleted, s.message);
    }
}

void ProfileMenu::loadText(const std::string& source, const Status& read, const std::string& json) {
    if (!read.ok()) {
        refused(texts_.notLoaded, read.message);
        return;
    }
    const ProfileParse parse = readProfileJson(json);
    Status s = parse.status;
    if (s.ok()) {
        s = model_.loadProfile(parse.profile);
    }
    if (!s.ok()) {
        refused(texts_.notLoaded, source + ": " + s.message);
        return;
    }
    window_.showEditedSettings();
}

void ProfileMenu::refused(std::string_view pattern, const std::string& reason) {
    messages_.showMessage(fillIn(pattern, reason), "");
}

} // namespace q417
