#pragma once

#include "assign/dialog_choice.h"
#include "dialogs/dialog_runner.h"
#include "dialogs/skinned_dialog.h"
#include "texts/macro_key_texts.h"

#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class QLabel;

namespace q417 {

class MacroLibrary;
class SkinDropDown;

// Gives a mouse button one of the user's macros and chooses how the mouse plays it back. The
// drop-down lists the sections of record.ini in file order, read afresh at every opening; a
// macro's row is its slot in the mouse. Only the first kMacroSlotCount macros have a slot: the
// rows after them are listed greyed, cannot be chosen, and tell why in their tip, so a macro the
// mouse cannot hold is never handed back and the user still sees where it went.
//
// OK ends the dialog only once a macro is chosen. Until then, and always with an empty library or
// a missing background (no list at all), OK is refused: the dialog stays open and, when it can,
// opens the list to show what is missing. So an Accepted result always carries a macro: `choice()`
// then has a row below kMacroSlotCount, that macro's name and option 1 to 3. Rejected (Cancel,
// close, Esc) means the caller stores nothing. Option 1 is ticked from the start, with or without
// the background.
class MacroKeyDialog : public SkinnedDialog {
    Q_OBJECT
public:
    MacroKeyDialog(const DialogHost& host, MessageSink& messages, const MacroLibrary& library);

    // The macro and option chosen so far; meaningful as a whole once `hasMacro()`, which holds
    // whenever the dialog ended Accepted. Before a choice: row 0, no name, the ticked option.
    [[nodiscard]] MacroKeyChoice choice() const;
    [[nodiscard]] bool hasMacro() const { return chosen_.has_value(); }
    [[nodiscard]] SkinDropDown& macroList() { return *macroList_; }
    // The field that shows the chosen macro's name; null without the background.
    [[nodiscard]] QLabel* macroField() const { return field_; }

    // Refused while no macro is chosen.
    void accept() override;

protected:
    void drawContents(SkinCanvas& canvas) override;
    void clickAt(QPoint point) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct ChosenMacro {
        std::size_t row = 0;
        std::string name;
    };

    QStringList listMacros();
    // Greys the rows without a slot; a name too wide for the list gets its whole text as tip.
    void prepareRows();
    void chooseMacro(int row);
    void showName();
    void tick(std::uint8_t option);

    const MacroLibrary& library_;
    QString prompt_;
    std::array<QString, kMacroPlaybackOptionCount> optionTexts_;
    QString noSlotTip_;
    std::uint8_t option_ = 1;
    std::optional<ChosenMacro> chosen_;
    std::vector<std::string> listedNames_; // the rows of the open list, as record.ini names them
    SkinDropDown* macroList_;              // a child of this dialog
    QLabel* field_ = nullptr;              // a child of this dialog, made only with the background
};

} // namespace q417
