#pragma once

#include "assign/dialog_choice.h"
#include "config/mouse_config.h"
#include "dialogs/colour_picker.h"
#include "dialogs/skinned_dialog.h"
#include "dialogs/skins_dialog.h"
#include "texts/language.h"

#include <QPoint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace q417 {

// What every modal dialog of the main window is opened with: the window's skin, language, where the
// dialog goes (the window's client origin, in global coordinates) and the window it is modal over.
struct DialogHost {
    DialogSkin skin;
    Language language = Language::English;
    QPoint origin;
    QWidget* parent = nullptr;
};

// Opens the main window's modal dialogs and hands back what the user confirmed, or nothing when
// they cancelled. The program runs the real dialogs; tests script the answers.
class DialogRunner : public ColourPicker {
public:
    // The skins dialog over the Skins folders `skinRoots`: the skin and text colour chosen on OK.
    virtual std::optional<SkinChoice> chooseSkin(const DialogHost& host,
                                                 const std::vector<std::filesystem::path>& skinRoots,
                                                 const std::string& skinName) = 0;
    // The assignment dialog of a function list row chosen by dialog (Windows, Multimedia, Fire,
    // Single, Combo and Macro Key): what it hands back on OK.
    virtual std::optional<DialogChoice> chooseAssignment(const DialogHost& host, ButtonFunction function) = 0;
    // The delay dialog of a macro's delay line: the digits typed, as typed, on OK.
    virtual std::optional<std::string> chooseDelay(const DialogHost& host) = 0;

    // The tray menu's profile dialogs. The name a profile is saved under, as typed, on OK:
    virtual std::optional<std::string> chooseProfileName(const DialogHost& host) = 0;
    // The file a profile is imported from or exported to, from the desktop's file dialog:
    enum class ProfileFileUse { Import, Export };
    virtual std::optional<std::filesystem::path> chooseProfileFile(const DialogHost& host, ProfileFileUse use) = 0;
    // A yes-or-no question: true for yes.
    virtual bool confirm(const DialogHost& host, const std::string& question) = 0;
};

} // namespace q417
