// Writes pictures of the fire-key, media-key and Windows-key dialogs in the program's own skins and
// in every language, closed and with their list open, into the build folder's screenshots/<skin>/
// for review by eye. Grabbed from the widgets, so the fields and lists show as they do on screen.
#include "dialogs/fire_key_dialog.h"
#include "dialogs/fire_key_layout.h"
#include "dialogs/media_key_dialog.h"
#include "dialogs/windows_key_dialog.h"
#include "screenshots.h"
#include "skin/skin_drop_down.h"
#include "skin/skin_font.h"
#include "support/recording_messages.h"
#include "texts/fire_key_texts.h"

#include <QFile>
#include <QFontMetrics>
#include <QListWidget>
#include <QScrollBar>
#include <gtest/gtest.h>
#include <string>

namespace q417 {
namespace {

class PickDialogScreenshots : public ::testing::TestWithParam<const char*> {
protected:
    [[nodiscard]] DialogHost host(Language language) const {
        return test::shotHost(test::kSkinsRoot / GetParam(), language);
    }
    // Saves the dialog closed and with its list open as dialog-<name>[-list]-<language>.png.
    void shoot(SkinnedDialog& dialog, SkinDropDown& list, const std::string& name, const char* language) {
        dialog.show();
        EXPECT_TRUE(dialog.backgroundLoaded()) << name;
        save(dialog, "dialog-" + name + "-" + language);
        list.open();
        ASSERT_TRUE(list.isOpen());
        // The last row fits inside the dialog when scrolled into view.
        QListWidget& rows = *list.list();
        rows.scrollToBottom();
        const QRect last = rows.visualItemRect(rows.item(rows.count() - 1));
        EXPECT_LE(rows.viewport()->mapTo(&dialog, last.bottomLeft()).y(), dialog.height()) << name << ' ' << language;
        rows.scrollToTop();
        save(dialog, "dialog-" + name + "-list-" + language);
    }
    void save(QWidget& dialog, const std::string& name) const {
        test::saveShot(dialog, test::kScreenshots / GetParam() / (name + ".png"));
    }
    test::RecordingMessages messages;
};

TEST_P(PickDialogScreenshots, FireKey) {
    for (const test::ShotLanguage& l : test::kShotLanguages) {
        FireKeyDialog dialog(host(l.language), messages);
        shoot(dialog, dialog.keyList(), "fire-key", l.name);
        // Both explanations, wrapped and centred, stay between the fields and the buttons and
        // clear of each other.
        const FireKeyTexts texts = fireKeyTexts(l.language);
        const auto block = [&](const Rect& rect, std::string_view text) {
            const QRect measured =
                QFontMetrics(dialog.font())
                    .boundingRect(QRect(rect.left, rect.top, rect.width(), rect.height()), Qt::TextWordWrap,
                                  QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
            return centredToHeight(rect, measured.height());
        };
        const Rect speed = block(kFireSpeedExplanationRect, texts.speedExplanation);
        const Rect times = block(kFireTimesExplanationRect, texts.timesExplanation);
        EXPECT_GE(speed.top, kFireTimesFieldRect.bottom) << l.name;
        EXPECT_LE(speed.bottom, times.top) << l.name;
        EXPECT_LE(times.bottom, kDialogOkRect.top) << l.name;
    }
    EXPECT_TRUE(messages.messages.empty());
}

TEST_P(PickDialogScreenshots, MediaKey) {
    for (const test::ShotLanguage& l : test::kShotLanguages) {
        MediaKeyDialog dialog(host(l.language), messages);
        shoot(dialog, dialog.rowList(), "media-key", l.name);
    }
    EXPECT_TRUE(messages.messages.empty());
}

TEST_P(PickDialogScreenshots, WindowsKey) {
    for (const test::ShotLanguage& l : test::kShotLanguages) {
        WindowsKeyDialog dialog(host(l.language), messages);
        shoot(dialog, dialog.rowList(), "windows-key", l.name);
    }
    EXPECT_TRUE(messages.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(OwnSkins, PickDialogScreenshots, ::testing::Values("Default", "Ember"));

} // namespace
} // namespace q417
