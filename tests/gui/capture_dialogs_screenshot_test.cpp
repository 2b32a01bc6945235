// Writes pictures of the key capture dialogs in the program's own skins and every language, for
// review by eye, into the build folder's screenshots/<skin>/. Keys are pressed as the window system
// delivers them, so the fields show real captured names.
#include "dialogs/combo_key_dialog.h"
#include "dialogs/single_key_dialog.h"
#include "platform/evdev_key_names.h"
#include "screenshots.h"
#include "skin/skin_drop_down.h"
#include "skin/skin_font.h"
#include "support/recording_messages.h"

#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWindow>
#include <gtest/gtest.h>
#include <string>

namespace q417 {
namespace {

// Presses and releases the key of evdev code `evdev`, as X11 and Wayland report it.
void tap(QWidget& dialog, int qtKey, std::uint32_t evdev) {
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent event(type, qtKey, Qt::NoModifier, evdev + EvdevKeyNames::kNativeOffset, 0, 0);
        QCoreApplication::sendEvent(dialog.windowHandle(), &event);
    }
}

class CaptureDialogScreenshots : public ::testing::TestWithParam<const char*> {
protected:
    [[nodiscard]] DialogHost host(Language language) const {
        return test::shotHost(test::kSkinsRoot / GetParam(), language);
    }
    void save(QWidget& dialog, const std::string& name) const {
        test::saveShot(dialog, test::kScreenshots / GetParam() / (name + ".png"));
    }
    test::RecordingMessages messages;
    EvdevKeyNames names;
};

TEST_P(CaptureDialogScreenshots, SingleKey) {
    for (const test::ShotLanguage& l : test::kShotLanguages) {
        SingleKeyDialog dialog(host(l.language), messages, names);
        dialog.show();
        tap(dialog, Qt::Key_Super_R, 126); // the longest name of the key-name table's keys
        EXPECT_EQ(dialog.choice().keyName, "Right Windows");
        save(dialog, std::string("dialog-single-key-") + l.name);
    }
    EXPECT_TRUE(messages.messages.empty());
}

TEST_P(CaptureDialogScreenshots, ComboKeyFilledAndWithItsListOpen) {
    for (const test::ShotLanguage& l : test::kShotLanguages) {
        ComboKeyDialog dialog(host(l.language), messages, names);
        dialog.show();
        dialog.activateWindow(); // so the field with the focus shows it
        QCoreApplication::processEvents();
        dialog.modifierList()->open();
        dialog.modifierList()->choose(5); // "Right Shift", the widest row
        dialog.firstKeyField()->setFocus();
        tap(dialog, Qt::Key_Super_R, 126);
        dialog.secondKeyField()->setFocus();
        tap(dialog, Qt::Key_Enter, 96);
        save(dialog, std::string("dialog-combo-key-") + l.name);
        dialog.modifierList()->open();
        save(dialog, std::string("dialog-combo-key-list-") + l.name);
    }
    EXPECT_TRUE(messages.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(OwnSkins, CaptureDialogScreenshots, ::testing::Values("Default", "Ember"));

} // namespace
} // namespace q417
