// The delay dialog: what it hands back, how it looks in every skin and language.
#include "dialogs/delay_time_dialog.h"
#include "screenshots.h"
#include "support/recording_messages.h"
#include "support/temp_dir.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace q417 {
namespace {

TEST(DelayTimeDialog, HandsBackTheDigitsAsTyped) {
    test::RecordingMessages messages;
    DelayTimeDialog dialog(test::shotHost(test::kSkinsRoot / "Default", Language::English), messages);
    dialog.show();
    ASSERT_NE(dialog.field(), nullptr);
    QTest::keyClicks(dialog.field(), "0x05-0");
    EXPECT_EQ(dialog.typed(), "0050") << "only digits go in, leading zeros kept";
    EXPECT_TRUE(messages.messages.empty());
}

TEST(DelayTimeDialog, WithoutItsBackgroundItSaysSoAndHasNoField) {
    test::TempDir empty;
    test::RecordingMessages messages;
    DelayTimeDialog dialog(test::shotHost(empty.path(), Language::English), messages);
    EXPECT_EQ(dialog.field(), nullptr);
    EXPECT_TRUE(dialog.typed().isEmpty());
    EXPECT_EQ(messages.messages, (std::vector<test::RecordingMessages::Message>{
                                     {"error", "DelayTime Dialog Load background image failed!!!"}}));
}

TEST(DelayTimeDialogScreenshots, EveryBuiltSkinAndLanguage) {
    for (const auto& entry : std::filesystem::directory_iterator(test::kSkinsRoot)) {
        for (const test::ShotLanguage& l : test::kShotLanguages) {
            test::RecordingMessages messages;
            DelayTimeDialog dialog(test::shotHost(entry.path(), l.language), messages);
            dialog.show();
            EXPECT_TRUE(dialog.backgroundLoaded());
            QTest::keyClicks(dialog.field(), "250");
            test::saveShot(dialog, test::kScreenshots / entry.path().filename() /
                                       (std::string("dialog-delay-time-") + l.name + ".png"));
        }
    }
}

} // namespace
} // namespace q417
