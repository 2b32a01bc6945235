#include "dialogs/colour_picker.h"
#include "dialogs/skins_dialog.h"
#include "dialogs/skins_dialog_layout.h"
#include "pick_dialog_driver.h"
#include "skin/skin_drop_down.h"
#include "skin/skin_font.h"
#include "support/recording_messages.h"
#include "test_skin.h"

#include <QListWidget>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace q417 {
namespace {

// Answers every request with `answer` and remembers the colours it was opened with.
class ScriptedPicker : public ColourPicker {
public:
    std::optional<QColor> pickColour(QColor initial, QWidget*) override {
        opened.push_back(initial);
        return answer;
    }
    std::optional<QColor> answer;
    std::vector<QColor> opened;
};

constexpr QPoint kSkinBox{145, 136}; // on the arrow beside the name
constexpr QPoint kSwatch{100, 100};
constexpr std::array<std::uint8_t, 3> kStartColour{230, 220, 210};

QStringList rowsOf(const QListWidget& list) {
    QStringList rows;
    for (int i = 0; i < list.count(); ++i) {
        rows << list.item(i)->text();
    }
    return rows;
}

class SkinsDialogTest : public ::testing::Test {
protected:
    SkinsDialogTest() {
        skin.addSkinFolder("ember");
        skin.addSkinFolder("Night");
    }
    std::unique_ptr<SkinsDialog> open() {
        auto dialog = std::make_unique<SkinsDialog>(
            DialogSkin{skin.folder(), kStartColour, skinFont(textFont(Language::English))}, roots, "Plain",
            Language::English, picker, messages, QPoint(0, 0));
        dialog->show();
        return dialog;
    }
    static void click(QWidget& widget, QPoint point) { QTest::mouseClick(&widget, Qt::LeftButton, {}, point); }

    test::TestSkin skin{"Plain"};
    test::TempDir shared; // an installed program's Skins folder, searched after the user's
    std::vector<std::filesystem::path> roots{skin.skinsRoot(), shared / "Skins"};
    ScriptedPicker picker;
    test::RecordingMessages messages;
    const SkinChoice unchanged{skin.folder(), "Plain", kStartColour};
};

TEST_F(SkinsDialogTest, StartsFromTheCurrentSkinAndColour) {
    const auto dialog = open();
    EXPECT_EQ(dialog->choice(), unchanged);
    EXPECT_FALSE(dialog->skinList().isOpen());
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(SkinsDialogTest, TheListShowsEverySkinFolder) {
    const auto dialog = open();
    click(*dialog, kSkinBox);
    ASSERT_TRUE(dialog->skinList().isOpen());
    EXPECT_EQ(rowsOf(*dialog->skinList().list()), (QStringList{"ember", "Night", "Plain"}));
    const QRect listRect = dialog->skinList().list()->geometry();
    EXPECT_EQ(listRect, QRect(42, 146, 109, 120));
}

TEST_F(SkinsDialogTest, TheListJoinsTheUsersAndTheSharedSkinsWithoutDuplicates) {
    for (const char* name : {"Default", "NIGHT", "Plain"}) {
        std::filesystem::create_directories(shared / "Skins" / name);
    }
    const auto dialog = open();
    click(*dialog, kSkinBox);
    ASSERT_TRUE(dialog->skinList().isOpen());
    EXPECT_EQ(rowsOf(*dialog->skinList().list()), (QStringList{"Default", "ember", "Night", "Plain"}));
    dialog->skinList().choose(0);
    EXPECT_EQ(dialog->choice().folder, shared / "Skins" / "Default");
    click(*dialog, kSkinBox);
    dialog->skinList().choose(2);
    EXPECT_EQ(dialog->choice().folder, skin.skinsRoot() / "Night") << "the user's own skin comes first";
}

TEST_F(SkinsDialogTest, ChoosingASkinAndConfirmingReturnsItsFolderAndName) {
    const auto dialog = open();
    click(*dialog, kSkinBox);
    dialog->skinList().choose(1);
    EXPECT_FALSE(dialog->skinList().isOpen());
    click(*dialog, test::kDialogOk);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->choice(), (SkinChoice{skin.skinsRoot() / "Night", "Night", kStartColour}));
}

TEST_F(SkinsDialogTest, ConfirmingUntouchedReturnsWhatItOpenedWith) {
    const auto dialog = open();
    click(*dialog, test::kDialogOk);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->choice(), unchanged);
}

TEST_F(SkinsDialogTest, ASkinWhoseFolderVanishedKeepsTheOldFolder) {
    const auto dialog = open();
    click(*dialog, kSkinBox);
    std::filesystem::remove(skin.skinsRoot() / "ember");
    dialog->skinList().choose(0);
    EXPECT_EQ(dialog->choice(), (SkinChoice{skin.folder(), "ember", kStartColour}));
}

TEST_F(SkinsDialogTest, TheColourComesFromThePicker) {
    picker.answer = QColor(10, 20, 30);
    const auto dialog = open();
    click(*dialog, kSwatch);
    ASSERT_EQ(picker.opened.size(), 1U);
    EXPECT_EQ(picker.opened[0], QColor(Qt::black)) << "the picker opens on black";
    EXPECT_EQ(dialog->choice().colour, (std::array<std::uint8_t, 3>{10, 20, 30}));

    picker.answer.reset(); // the user cancels the picker
    click(*dialog, kSwatch);
    EXPECT_EQ(dialog->choice().colour, (std::array<std::uint8_t, 3>{10, 20, 30}));
}

TEST_F(SkinsDialogTest, CancelAndCloseEndRejected) {
    picker.answer = QColor(1, 2, 3);
    for (const QPoint end : {test::kDialogCancel, test::kDialogClose}) {
        const auto dialog = open();
        click(*dialog, kSwatch);
        click(*dialog, kSkinBox);
        dialog->skinList().choose(0);
        click(*dialog, end);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(dialog->result(), QDialog::Rejected);
    }
}

TEST_F(SkinsDialogTest, EnterConfirmsAndEscCancels) {
    struct Case {
        Qt::Key key;
        QDialog::DialogCode result;
    };
    for (const Case c : {Case{Qt::Key_Return, QDialog::Accepted}, Case{Qt::Key_Enter, QDialog::Accepted},
                         Case{Qt::Key_Escape, QDialog::Rejected}}) {
        const auto dialog = open();
        QTest::keyClick(dialog.get(), c.key);
        EXPECT_FALSE(dialog->isVisible()) << c.key;
        EXPECT_EQ(dialog->result(), c.result) << c.key;
    }
}

TEST_F(SkinsDialogTest, ClicksOutsideTheListCloseIt) {
    struct Case {
        const char* what = nullptr;
        QPoint point;
        int pickerOpened = 0;
    };
    const Case cases[] = {
        {"the box again", kSkinBox, 0},
        {"anywhere else", test::kDialogElsewhere, 0},
        {"the swatch, which then opens the picker", kSwatch, 1},
    };
    for (const Case& c : cases) {
        picker.opened.clear();
        const auto dialog = open();
        click(*dialog, kSkinBox);
        ASSERT_TRUE(dialog->skinList().isOpen());
        click(*dialog, c.point);
        EXPECT_FALSE(dialog->skinList().isOpen()) << c.what;
        EXPECT_EQ(picker.opened.size(), static_cast<std::size_t>(c.pickerOpened)) << c.what;
    }
}

TEST_F(SkinsDialogTest, TheWheelScrollsTheOpenListThreeRows) {
    for (int i = 0; i < 20; ++i) {
        skin.addSkinFolder(("skin" + std::to_string(10 + i)).c_str());
    }
    const auto dialog = open();
    click(*dialog, kSkinBox);
    QScrollBar* bar = dialog->skinList().list()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 6);
    const auto wheel = [&](int delta) {
        QWheelEvent event(QPointF(100, 200), dialog->mapToGlobal(QPointF(100, 200)), {}, {0, delta}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(dialog.get(), &event);
    };
    wheel(-120);
    EXPECT_EQ(bar->value(), 3);
    wheel(0);
    EXPECT_EQ(bar->value(), 6);
    wheel(120);
    EXPECT_EQ(bar->value(), 3);
}

TEST_F(SkinsDialogTest, WithoutItsBackgroundItHasNoControlsButItsButtonsWork) {
    skin.remove(skin::kSkinsDialog);
    picker.answer = QColor(1, 2, 3);
    const auto dialog = open();
    EXPECT_EQ(messages.messages.front(),
              (test::RecordingMessages::Message{"error", "Skins Dialog Load background image failed!!!"}));
    click(*dialog, kSkinBox);
    click(*dialog, kSwatch);
    EXPECT_FALSE(dialog->skinList().isOpen());
    EXPECT_TRUE(picker.opened.empty());
    click(*dialog, test::kDialogOk);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->choice(), unchanged);
}

} // namespace
} // namespace q417
