// Writes pictures of the macro-key dialog in the program's own skins, in every language, closed and
// with its list open, into the build folder's screenshots/<skin>/ for review by eye.
#include "dialogs/macro_key_dialog.h"
#include "macro/macro_library.h"
#include "screenshots.h"
#include "skin/skin_drop_down.h"
#include "skin/skin_font.h"
#include "support/recording_messages.h"
#include "support/temp_dir.h"

#include <QFile>
#include <QListWidget>
#include <QScrollBar>
#include <gtest/gtest.h>
#include <string>

namespace q417 {
namespace {

// Fourteen macros, two more than the mouse has slots for; the second has the longest name allowed.
constexpr const char* kMacros[] = {
    "Reload",      "Quick scope and fire, 31 chars!",
    "Grenade",     "Crouch jump",
    "Build wall",  "Heal",
    "Sprint",      "Emote 1",
    "Emote 2",     "Buy menu",
    "Drop weapon", "Inspect",
    "Voice on",    "Voice off",
};
constexpr int kFieldShotRow = 1;

class MacroKeyDialogScreenshots : public ::testing::TestWithParam<const char*> {
protected:
    MacroKeyDialogScreenshots() {
        std::string text;
        for (const char* name : kMacros) {
            text += std::string("[") + name + "]\r\nItemCount=2\r\nItem0=A   Dn\r\nItem1=A   Up\r\n";
        }
        files.write("record.ini", text);
    }
    [[nodiscard]] std::filesystem::path shot(const std::string& name) const {
        return test::kScreenshots / GetParam() / (name + ".png");
    }

    test::TempDir files;
    MacroLibrary library{files / "record.ini"};
    test::RecordingMessages messages;
};

TEST_P(MacroKeyDialogScreenshots, ClosedAndWithItsListOpenInEveryLanguage) {
    for (const test::ShotLanguage& l : test::kShotLanguages) {
        MacroKeyDialog dialog(test::shotHost(test::kSkinsRoot / GetParam(), l.language), messages, library);
        dialog.show();
        ASSERT_TRUE(dialog.backgroundLoaded()) << GetParam();

        dialog.macroList().open();
        dialog.macroList().choose(kFieldShotRow);
        ASSERT_TRUE(dialog.hasMacro());
        test::saveShot(dialog, shot(std::string("dialog-macro-key-") + l.name));

        // At the start, with the longest name, and at the end, where the rows past the mouse's slots
        // are greyed; one row selected as the pointer would.
        dialog.macroList().open();
        QListWidget* list = dialog.macroList().list();
        list->setCurrentRow(2);
        test::saveShot(dialog, shot(std::string("dialog-macro-key-list-") + l.name));
        list->verticalScrollBar()->setValue(list->verticalScrollBar()->maximum());
        list->setCurrentRow(10);
        test::saveShot(dialog, shot(std::string("dialog-macro-key-list-end-") + l.name));
    }
    EXPECT_TRUE(messages.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(OwnSkins, MacroKeyDialogScreenshots, ::testing::Values("Default", "Ember"));

} // namespace
} // namespace q417
