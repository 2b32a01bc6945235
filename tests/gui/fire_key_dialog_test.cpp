#include "assign/key_names.h"
#include "dialogs/fire_key_dialog.h"
#include "dialogs/fire_key_layout.h"
#include "pick_dialog_driver.h"
#include "skin/skin_drop_down.h"
#include "skin/skin_font.h"
#include "support/recording_messages.h"
#include "test_skin.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <tuple>

namespace q417 {
namespace {

using test::clickAt;
using test::clickRow;

constexpr QPoint kKeyBox{80, 77};    // on the key field: the click passes through it
constexpr QPoint kKeyArrow{125, 77}; // the arrow beside the field

// A choice as gtest can compare and print it.
std::tuple<std::size_t, std::string, int, int> fields(const FireKeyChoice& c) {
    return {c.row, c.text, c.speed, c.times};
}

const auto kStart = fields({.row = 0, .text = "A", .speed = 32, .times = 1});

class FireKeyDialogTest : public ::testing::Test {
protected:
    std::unique_ptr<FireKeyDialog> open(Language language = Language::English) {
        const DialogHost host{DialogSkin{skin.folder(), {230, 230, 230}, skinFont(textFont(language))}, language,
                              QPoint(0, 0)};
        auto dialog = std::make_unique<FireKeyDialog>(host, messages);
        test::activate(*dialog);
        return dialog;
    }
    // Types `text` in place of the field's contents, leaving the focus in it.
    static void typeInto(QLineEdit& field, const char* text) {
        field.setFocus();
        field.selectAll();
        QTest::keyClick(&field, Qt::Key_Backspace);
        QTest::keyClicks(&field, text);
    }

    test::TestSkin skin;
    test::RecordingMessages messages;
};

TEST_F(FireKeyDialogTest, StartsOnAAtSpeed32ForOneShot) {
    const auto dialog = open();
    EXPECT_EQ(fields(dialog->choice()), kStart);
    EXPECT_EQ(dialog->keyField()->text().toStdString(), "A");
    EXPECT_EQ(dialog->speedField()->text().toStdString(), "32");
    EXPECT_EQ(dialog->timesField()->text().toStdString(), "1");
    EXPECT_EQ(dialog->speedField()->geometry(), QRect(50, 120, 81, 14));
    EXPECT_EQ(dialog->timesField()->geometry(), QRect(50, 170, 81, 14));
    EXPECT_FALSE(dialog->keyList().isOpen());
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(FireKeyDialogTest, EndsAsItsButtonsAndKeysSay) {
    struct Case {
        const char* what;
        std::function<void(FireKeyDialog&)> end;
        QDialog::DialogCode result;
    };
    const Case cases[] = {
        {"OK", [](FireKeyDialog& d) { clickAt(d, test::kDialogOk); }, QDialog::Accepted},
        {"Cancel", [](FireKeyDialog& d) { clickAt(d, test::kDialogCancel); }, QDialog::Rejected},
        {"close", [](FireKeyDialog& d) { clickAt(d, test::kDialogClose); }, QDialog::Rejected},
        {"Enter", [](FireKeyDialog& d) { test::press(d, Qt::Key_Return); }, QDialog::Accepted},
        {"keypad Enter", [](FireKeyDialog& d) { QTest::keyClick(&d, Qt::Key_Enter, Qt::KeypadModifier); },
         QDialog::Accepted},
        {"Esc", [](FireKeyDialog& d) { test::press(d, Qt::Key_Escape); }, QDialog::Rejected},
    };
    for (const Case& c : cases) {
        const auto dialog = open();
        dialog->timesField()->setFocus(); // Enter and Esc reach the dialog from a field too
        c.end(*dialog);
        EXPECT_FALSE(dialog->isVisible()) << c.what;
        EXPECT_EQ(dialog->result(), c.result) << c.what;
        EXPECT_EQ(fields(dialog->choice()), kStart) << c.what;
    }
}

TEST_F(FireKeyDialogTest, TheListHoldsTheSixtyOneFireKeysBelowTheField) {
    const auto dialog = open();
    clickAt(*dialog, kKeyBox);
    ASSERT_TRUE(dialog->keyList().isOpen());
    QStringList expected;
    for (std::size_t row = 0; row < kFireKeyRowCount; ++row) {
        expected << QString::fromUtf8(fireKeyName(row).data());
    }
    EXPECT_EQ(test::rowsOf(*dialog->keyList().list()), expected);
    EXPECT_EQ(dialog->keyList().list()->geometry(), QRect(49, 87, 83, 170));
}

TEST_F(FireKeyDialogTest, AClickedRowBecomesTheKey) {
    struct Case {
        int row;
        const char* name;
        std::uint8_t code;
    };
    const Case cases[] = {{39, "R-CTRL", 0xE4}, {56, "M-Button", 0xF2}, {60, "R-Tilt Wheel", 0xF6}, {1, "B", 0x05}};
    for (const Case& c : cases) {
        const auto dialog = open();
        clickAt(*dialog, kKeyArrow);
        ASSERT_TRUE(dialog->keyList().isOpen());
        clickRow(*dialog, *dialog->keyList().list(), c.row);
        EXPECT_FALSE(dialog->keyList().isOpen()) << c.name;
        EXPECT_EQ(dialog->keyField()->text().toStdString(), c.name);
        clickAt(*dialog, test::kDialogOk);
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
        EXPECT_EQ(fields(dialog->choice()),
                  fields({.row = static_cast<std::size_t>(c.row), .text = c.name, .speed = 32, .times = 1}));
        EXPECT_EQ(fireKeyCode(dialog->choice().row), c.code) << c.name;
    }
}

TEST_F(FireKeyDialogTest, SpeedIsCheckedWhenTheFieldLosesTheFocus) {
    struct Case {
        const char* typed;
        const char* shown;
        std::uint8_t speed;
    };
    const Case cases[] = {
        {"3", "5", 5}, {"4", "5", 5}, {"5", "5", 5}, {"255", "255", 255}, {"256", "5", 5}, {"0", "5", 5}, {"", "5", 5},
    };
    for (const Case& c : cases) {
        const auto dialog = open();
        QLineEdit& speed = *dialog->speedField();
        typeInto(speed, c.typed);
        EXPECT_EQ(speed.text().toStdString(), c.typed) << "not while typing";
        clickAt(*dialog, dialog->timesField()->geometry().center()); // the focus moves on
        ASSERT_FALSE(speed.hasFocus());
        EXPECT_EQ(speed.text().toStdString(), c.shown) << c.typed;
        EXPECT_EQ(dialog->choice().speed, c.speed) << c.typed;
    }
}

TEST_F(FireKeyDialogTest, OnlyDigitsCanBeTypedAndOtherTextReadsAsZero) {
    const auto dialog = open();
    QLineEdit& speed = *dialog->speedField();
    typeInto(speed, "1a2-");
    EXPECT_EQ(speed.text().toStdString(), "12");
    speed.setText("abc"); // pasted past the digit filter
    dialog->timesField()->setFocus();
    EXPECT_EQ(speed.text().toStdString(), "5");
    EXPECT_EQ(dialog->choice().speed, 5);
}

TEST_F(FireKeyDialogTest, SpeedIsCheckedAtTheLatestWhenOkEndsTheDialog) {
    const std::function<void(FireKeyDialog&)> ends[] = {
        [](FireKeyDialog& d) { clickAt(d, test::kDialogOk); },
        [](FireKeyDialog& d) { test::press(d, Qt::Key_Return); },
    };
    for (const auto& end : ends) {
        const auto dialog = open();
        typeInto(*dialog->speedField(), "300");
        end(*dialog);
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
        EXPECT_EQ(dialog->choice().speed, 5);
        EXPECT_EQ(dialog->speedField()->text().toStdString(), "5");
    }
    const auto dialog = open();
    typeInto(*dialog->speedField(), "7");
    clickAt(*dialog, test::kDialogOk);
    EXPECT_EQ(dialog->choice().speed, 7);
}

TEST_F(FireKeyDialogTest, TimesIsCheckedAtEveryChange) {
    const auto dialog = open();
    QLineEdit& times = *dialog->timesField();
    typeInto(times, "30");
    EXPECT_EQ(times.text().toStdString(), "30");
    EXPECT_EQ(dialog->choice().times, 30);
    QTest::keyClick(&times, Qt::Key_0); // the third digit makes 300
    EXPECT_EQ(times.text().toStdString(), "1");
    EXPECT_EQ(dialog->choice().times, 1);
    typeInto(times, "255");
    EXPECT_EQ(dialog->choice().times, 255);
    times.selectAll();
    QTest::keyClick(&times, Qt::Key_Backspace);
    EXPECT_EQ(times.text().toStdString(), "");
    EXPECT_EQ(dialog->choice().times, 0) << "an empty field repeats while the button is held";
    clickAt(*dialog, test::kDialogOk);
    EXPECT_EQ(fields(dialog->choice()), fields({.row = 0, .text = "A", .speed = 32, .times = 0}));
}

TEST_F(FireKeyDialogTest, TheNumberFieldsAreDisabledWhileTheListIsOpen) {
    struct Case {
        const char* what;
        std::function<void(FireKeyDialog&)> close;
    };
    const Case cases[] = {
        {"a chosen row",
         [](FireKeyDialog& d) {
             clickRow(d, *d.keyList().list(), 3);
         }},
        {"a click elsewhere",
         [](FireKeyDialog& d) {
             clickAt(d, test::kDialogElsewhere);
         }},
        {"a click on the box",
         [](FireKeyDialog& d) {
             clickAt(d, kKeyBox);
         }},
    };
    for (const Case& c : cases) {
        const auto dialog = open();
        typeInto(*dialog->speedField(), "2");
        clickAt(*dialog, kKeyBox);
        ASSERT_TRUE(dialog->keyList().isOpen()) << c.what;
        EXPECT_FALSE(dialog->speedField()->isEnabled()) << c.what;
        EXPECT_FALSE(dialog->timesField()->isEnabled()) << c.what;
        EXPECT_EQ(dialog->speedField()->text().toStdString(), "5") << "opening the list takes the focus from the field";
        c.close(*dialog);
        EXPECT_FALSE(dialog->keyList().isOpen()) << c.what;
        EXPECT_TRUE(dialog->speedField()->isEnabled()) << c.what;
        EXPECT_TRUE(dialog->timesField()->isEnabled()) << c.what;
    }
}

TEST_F(FireKeyDialogTest, TheRowUnderThePointerIsSelectedWithoutBeingChosen) {
    const auto dialog = open();
    clickAt(*dialog, kKeyBox);
    QListWidget& list = *dialog->keyList().list();
    test::moveTo(*dialog, test::rowPoint(*dialog, list, 4));
    EXPECT_EQ(list.currentRow(), 4);
    EXPECT_TRUE(dialog->keyList().isOpen());
    EXPECT_EQ(fields(dialog->choice()), kStart);
}

TEST_F(FireKeyDialogTest, TheWheelScrollsTheOpenListThreeRowsANotch) {
    const auto dialog = open();
    clickAt(*dialog, kKeyBox);
    QScrollBar* bar = dialog->keyList().list()->verticalScrollBar();
    test::wheel(*dialog, test::kDialogElsewhere, -120);
    EXPECT_EQ(bar->value(), 3);
    test::wheel(*dialog, test::kDialogElsewhere, -120);
    EXPECT_EQ(bar->value(), 6);
    test::wheel(*dialog, test::kDialogElsewhere, 120);
    EXPECT_EQ(bar->value(), 3);
    EXPECT_TRUE(dialog->keyList().isOpen());
}

TEST_F(FireKeyDialogTest, LabelsAndExplanationsAreDrawnInEveryLanguage) {
    for (const Language language : kLanguages) {
        const auto dialog = open(language);
        const QImage& picture = dialog->picture();
        const auto lang = static_cast<int>(language);
        EXPECT_EQ(fields(dialog->choice()), kStart) << "the key list is the same in every language";
        for (const Rect& label : {kFireSpeedLabelRect, kFireTimesLabelRect}) {
            EXPECT_GE(test::whiteRowsIn(picture, label).first, 0) << lang;
        }
        // The wrapped explanations sit in the middle of their rectangles.
        for (const Rect& explanation : {kFireSpeedExplanationRect, kFireTimesExplanationRect}) {
            const auto [first, last] = test::whiteRowsIn(picture, explanation);
            ASSERT_GE(first, 0) << lang;
            EXPECT_NEAR(first - explanation.top, explanation.bottom - 1 - last, 6) << lang << " at " << explanation.top;
        }
    }
}

TEST_F(FireKeyDialogTest, WithoutItsBackgroundItHasNoControlsAndOkGivesTheStartValues) {
    skin.remove(skin::kFireKeyDialog);
    const auto dialog = open();
    EXPECT_EQ(messages.messages.front(),
              (test::RecordingMessages::Message{"error", "FireKey Dialog Load background image failed!!!"}));
    EXPECT_EQ(dialog->keyField(), nullptr);
    EXPECT_TRUE(dialog->findChildren<QLineEdit*>().isEmpty());
    EXPECT_TRUE(dialog->findChildren<QLabel*>().isEmpty());
    for (const Rect& text : {kFireSpeedLabelRect, kFireSpeedExplanationRect, kFireTimesExplanationRect}) {
        EXPECT_EQ(test::whiteRowsIn(dialog->picture(), text).first, -1);
    }
    clickAt(*dialog, kKeyBox);
    EXPECT_FALSE(dialog->keyList().isOpen());
    clickAt(*dialog, test::kDialogOk);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(fields(dialog->choice()), fields({.row = 0, .text = "", .speed = 32, .times = 1}));
}

} // namespace
} // namespace q417
