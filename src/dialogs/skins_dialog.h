#pragma once

#include "dialogs/skinned_dialog.h"
#include "texts/language.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace q417 {

class ColourPicker;
class SkinDropDown;

// What the skins dialog returns on OK: the skin folder and name to use, and the interface text
// colour.
struct SkinChoice {
    std::filesystem::path folder;
    std::string name;
    std::array<std::uint8_t, 3> colour{};
    bool operator==(const SkinChoice&) const = default;
};

// Picks another skin from the folders under the Skins folders and another interface text colour. It changes
// nothing itself: on Accepted the caller takes `choice()`, stores it in str.ini and redraws; on
// Rejected (Cancel, close) the caller does nothing.
class SkinsDialog : public SkinnedDialog {
    Q_OBJECT
public:
    // `skin` is the current skin (its folder and text colour start the choice); `skinRoots` the
    // Skins folders, the user's own first (see DataPaths::skinRoots); `skinName` the current skin's name.
    SkinsDialog(const DialogSkin& skin, std::vector<std::filesystem::path> skinRoots, std::string skinName,
                Language language, ColourPicker& picker, MessageSink& messages, QPoint origin,
                QWidget* parent = nullptr);

    // The values chosen so far; what the dialog opened with until the user changes them.
    [[nodiscard]] const SkinChoice& choice() const { return choice_; }
    [[nodiscard]] SkinDropDown& skinList() { return *skinList_; }

protected:
    void drawContents(SkinCanvas& canvas) override;
    void clickAt(QPoint point) override;
    // Enter confirms as OK; Esc cancels, as in every dialog.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QStringList listSkins();
    void pickColour();
    void chooseSkin(int row);

    std::vector<std::filesystem::path> skinRoots_;
    ColourPicker& picker_;
    QString prompt_;
    SkinChoice choice_;
    std::vector<std::string> listedNames_; // the rows of the open list, as the folders are named
    SkinDropDown* skinList_;               // a child of this dialog
};

} // namespace q417
