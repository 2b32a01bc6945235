#pragma once

#include "app/configurator.h"
#include "app/main_window.h"
#include "dialogs/dialog_runner.h"
#include "platform/message_sink.h"
#include "texts/profile_menu_texts.h"

#include <QMenu>
#include <QObject>
#include <string>

namespace q417 {

// The tray menu's "Profiles": Save as…, the saved profiles to load, Import…, Export… and Delete with
// the saved profiles again. A profile loaded or imported becomes what the window shows, as an edit
// would: the mouse gets it on OK or Apply, and Cancel returns to the last applied setup. Saving and
// exporting take what the window shows, applied or not.
class ProfileMenu : public QObject {
    Q_OBJECT
public:
    ProfileMenu(Configurator& model, MainWindow& window, DialogRunner& dialogs, MessageSink& messages,
                QObject* parent = nullptr);

    QMenu& menu() { return menu_; }
    // Lists the saved profiles again, and keeps the menu shut while a dialog of the window is open
    // (a page rebuilt under it would take the dialog's answer). Run as the tray menu opens.
    void refresh();

    void saveAs();
    void load(const std::string& name);
    void importFile();
    void exportFile();
    // Asks first; the window and the mouse keep what they show.
    void remove(const std::string& name);

private:
    // Checks and shows a profile's text read from `source`; a refusal says why and changes nothing.
    void loadText(const std::string& source, const Status& read, const std::string& json);
    void refused(std::string_view pattern, const std::string& reason);
    [[nodiscard]] DialogHost host() { return window_.dialogHost(); }

    Configurator& model_;
    MainWindow& window_;
    DialogRunner& dialogs_;
    MessageSink& messages_;
    ProfileMenuTexts texts_;
    QMenu menu_;
    QMenu deleteMenu_; // a submenu of menu_; declared after it, so it leaves menu_ as it goes
};

} // namespace q417
