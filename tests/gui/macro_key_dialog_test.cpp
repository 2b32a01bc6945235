#include "config/mouse_config.h"
#include "dialogs/macro_key_dialog.h"
#include "macro/macro_library.h"
#include "pick_dialog_driver.h"
#include "skin/skin_drop_down.h"
#include "skin/skin_font.h"
#include "support/recording_messages.h"
#include "support/temp_dir.h"
#include "test_skin.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <array>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace q417 {
namespace {

using test::click;

constexpr QPoint kMacroBox{145, 136}; // on the arrow beside the field
constexpr QPoint kMacroField{60, 136};
constexpr QPoint kBesideTheFields{180, 230};
constexpr std::array<QPoint, 3> kTickBoxes{{{228, 86}, {228, 136}, {228, 186}}};

constexpr QColor kPaneColour{90, 90, 90};
constexpr QColor kTickedColour{0, 200, 0};

using Names = std::vector<std::string>;

const Names kAbc{"A", "B", "C"};

Names numberedMacros(int count) {
    Names names;
    for (int i = 1; i <= count; ++i) {
        names.push_back("M" + std::to_string(i));
    }
    return names;
}

QListWidgetItem& item(MacroKeyDialog& dialog, int row) {
    QListWidget* list = dialog.macroList().list();
    EXPECT_NE(list, nullptr);
    list->scrollToItem(list->item(row));
    return *list->item(row);
}

// A real click on a row of the open list.
void clickRow(MacroKeyDialog& dialog, int row) {
    QListWidget* list = dialog.macroList().list();
    const QPoint centre = list->visualItemRect(&item(dialog, row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
}

// The pointer moving onto a row of the open list.
void hoverRow(MacroKeyDialog& dialog, int row) {
    QListWidget* list = dialog.macroList().list();
    const QPointF centre = list->visualItemRect(&item(dialog, row)).center();
    QMouseEvent move(QEvent::MouseMove, centre, list->viewport()->mapToGlobal(centre), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(list->viewport(), &move);
}

void wheel(QWidget& widget, int delta) {
    const QPointF at(300, 150);
    QWheelEvent event(at, widget.mapToGlobal(at), {}, {0, delta}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                      false);
    QCoreApplication::sendEvent(&widget, &event);
}

QStringList rowsOf(const QListWidget& list) {
    QStringList rows;
    for (int i = 0; i < list.count(); ++i) {
        rows << list.item(i)->text();
    }
    return rows;
}

// Which tick boxes the picture shows ticked, option 1 first.
std::array<bool, 3> ticksShown(MacroKeyDialog& dialog) {
    std::array<bool, 3> ticked{};
    for (std::size_t i = 0; i < ticked.size(); ++i) {
        const QColor colour(dialog.picture().pixel(kTickBoxes[i]));
        EXPECT_TRUE(colour == kTickedColour || colour == kPaneColour) << "box " << i + 1;
        ticked[i] = colour == kTickedColour;
    }
    return ticked;
}

class MacroKeyDialogTest : public ::testing::Test {
protected:
    MacroKeyDialogTest() {
        skin.write(skin::kPane, {16, 16}, kPaneColour);
        skin.write(skin::kPaneTicked, {16, 16}, kTickedColour);
    }

    // record.ini with one small macro under each name, in this order.
    void writeMacros(const Names& names) const {
        std::string text;
        for (const std::string& name : names) {
            text += "[" + name + "]\r\nItemCount=3\r\nItem0=A   Dn\r\nItem1=50 ms\r\nItem2=A   Up\r\n";
        }
        files.write("record.ini", text);
    }

    std::unique_ptr<MacroKeyDialog> open(Language language = Language::English) {
        const DialogHost host{
            {skin.folder(), {230, 230, 230}, skinFont(textFont(language))}, language, QPoint(0, 0), nullptr};
        auto dialog = std::make_unique<MacroKeyDialog>(host, messages, library);
        dialog->show();
        return dialog;
    }

    // Opens the list and clicks the macro of `row`.
    static void chooseRow(MacroKeyDialog& dialog, int row) {
        click(dialog, kMacroBox);
        ASSERT_TRUE(dialog.macroList().isOpen());
        clickRow(dialog, row);
    }

    test::TestSkin skin;
    test::TempDir files;
    MacroLibrary library{files / "record.ini"};
    test::RecordingMessages messages;
};

TEST_F(MacroKeyDialogTest, OpensWithOptionOneAndNoMacroWhateverTheLibrary) {
    struct Case {
        const char* what = nullptr;
        std::optional<Names> macros; // nullopt: no record.ini
        QStringList rows;
    };
    const Case cases[] = {
        {"no record.ini", std::nullopt, {}},
        {"a record.ini without sections", Names{}, {}},
        {"three macros", kAbc, {"A", "B", "C"}},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(library.path());
        if (c.macros) {
            writeMacros(*c.macros);
        }
        const auto dialog = open();
        const MacroKeyChoice choice = dialog->choice();
        EXPECT_FALSE(dialog->hasMacro()) << c.what;
        EXPECT_EQ(choice.row, 0U) << c.what;
        EXPECT_EQ(choice.name, "") << c.what;
        EXPECT_EQ(choice.option, 1) << c.what;
        EXPECT_EQ(ticksShown(*dialog), (std::array<bool, 3>{true, false, false})) << c.what;
        EXPECT_FALSE(dialog->macroList().isOpen()) << c.what;
        ASSERT_NE(dialog->macroField(), nullptr);
        EXPECT_EQ(dialog->macroField()->text(), "") << c.what;

        click(*dialog, kMacroBox);
        ASSERT_TRUE(dialog->macroList().isOpen()) << c.what;
        EXPECT_EQ(rowsOf(*dialog->macroList().list()), c.rows) << c.what;
        click(*dialog, kMacroBox);
        EXPECT_FALSE(dialog->macroList().isOpen()) << c.what;
    }
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(MacroKeyDialogTest, TheFieldAndTheListSitUnderThePrompt) {
    writeMacros(kAbc);
    const auto dialog = open();
    QLabel* field = dialog->macroField();
    EXPECT_EQ(field->geometry(), QRect(42, 128, 94, 16));
    EXPECT_TRUE(field->testAttribute(Qt::WA_TransparentForMouseEvents));
    EXPECT_EQ(field->palette().color(QPalette::Window), QColor(40, 40, 40));
    EXPECT_EQ(field->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(field->frameShadow(), QFrame::Sunken);

    click(*dialog, kMacroField); // the field is part of the drop-down's box
    ASSERT_TRUE(dialog->macroList().isOpen());
    const QRect list = dialog->macroList().list()->geometry();
    EXPECT_EQ(list, QRect(42, 146, 109, 137));
    EXPECT_LE(list.bottom(), dialog->height() - 1) << "the list's lower border stays inside the dialog";
}

TEST_F(MacroKeyDialogTest, ButtonsAndKeysEndTheDialogOnlyOnceAMacroIsChosen) {
    struct Case {
        const char* what;
        Names macros;
        bool chooseFirst;
        QPoint point; // clicked when `key` is 0
        int key;      // pressed instead of a click
        bool keypad;  // the key comes from the keypad
        bool ends;
        QDialog::DialogCode result;
    };
    const Case cases[] = {
        {"OK after a choice", kAbc, true, test::kDialogOk, 0, false, true, QDialog::Accepted},
        {"Enter after a choice", kAbc, true, {}, Qt::Key_Return, false, true, QDialog::Accepted},
        {"keypad Enter after a choice", kAbc, true, {}, Qt::Key_Enter, true, true, QDialog::Accepted},
        {"OK with no macro chosen", kAbc, false, test::kDialogOk, 0, false, false, QDialog::Rejected},
        {"Enter with no macro chosen", kAbc, false, {}, Qt::Key_Return, false, false, QDialog::Rejected},
        {"OK with an empty library", {}, false, test::kDialogOk, 0, false, false, QDialog::Rejected},
        {"Cancel after a choice", kAbc, true, test::kDialogCancel, 0, false, true, QDialog::Rejected},
        {"close after a choice", kAbc, true, test::kDialogClose, 0, false, true, QDialog::Rejected},
        {"Esc after a choice", kAbc, true, {}, Qt::Key_Escape, false, true, QDialog::Rejected},
        {"Cancel with no macro chosen", kAbc, false, test::kDialogCancel, 0, false, true, QDialog::Rejected},
        {"Esc with no macro chosen", kAbc, false, {}, Qt::Key_Escape, false, true, QDialog::Rejected},
    };
    for (const Case& c : cases) {
        writeMacros(c.macros);
        const auto dialog = open();
        if (c.chooseFirst) {
            chooseRow(*dialog, 0);
            ASSERT_TRUE(dialog->hasMacro()) << c.what;
        }
        if (c.key == 0) {
            click(*dialog, c.point);
        } else {
            QTest::keyClick(dialog.get(), static_cast<Qt::Key>(c.key), c.keypad ? Qt::KeypadModifier : Qt::NoModifier);
        }
        EXPECT_EQ(!dialog->isVisible(), c.ends) << c.what;
        EXPECT_EQ(dialog->result(), c.result) << c.what;
        if (!c.ends) {
            EXPECT_TRUE(dialog->macroList().isOpen()) << c.what << ": the refused OK points at the list";
        }
    }
}

TEST_F(MacroKeyDialogTest, ChoosingBWithOptionThreeHandsBackRowOneAndOptionThree) {
    writeMacros(kAbc);
    const auto dialog = open();
    chooseRow(*dialog, 1);
    EXPECT_FALSE(dialog->macroList().isOpen());
    EXPECT_EQ(dialog->macroField()->text(), "B");
    click(*dialog, kTickBoxes[2]);
    click(*dialog, test::kDialogOk);
    ASSERT_EQ(dialog->result(), QDialog::Accepted);
    const MacroKeyChoice choice = dialog->choice();
    EXPECT_EQ(choice.row, 1U);
    EXPECT_EQ(choice.name, "B");
    EXPECT_EQ(choice.option, 3);
}

TEST_F(MacroKeyDialogTest, TheListTracksThePointerAndOnlyAClickChooses) {
    writeMacros(kAbc);
    const auto dialog = open();
    chooseRow(*dialog, 2);
    click(*dialog, kMacroBox);
    hoverRow(*dialog, 0);
    EXPECT_EQ(dialog->macroList().list()->currentRow(), 0);
    click(*dialog, kBesideTheFields); // closes the list and keeps the earlier choice
    EXPECT_FALSE(dialog->macroList().isOpen());
    EXPECT_EQ(dialog->choice().name, "C");
    EXPECT_EQ(dialog->choice().row, 2U);

    chooseRow(*dialog, 0); // a later choice replaces it
    EXPECT_EQ(dialog->choice().name, "A");
    EXPECT_EQ(dialog->macroField()->text(), "A");
}

TEST_F(MacroKeyDialogTest, TickingAnOptionUnticksTheOther) {
    struct Case {
        std::vector<int> ticked; // tick boxes clicked, 1 to 3
        int option;
    };
    const Case cases[] = {
        {{}, 1}, {{2}, 2}, {{2, 2}, 2}, {{2, 3}, 3}, {{3, 1}, 1}, {{1}, 1},
    };
    for (const Case& c : cases) {
        const auto dialog = open();
        for (const int box : c.ticked) {
            click(*dialog, kTickBoxes[static_cast<std::size_t>(box - 1)]);
        }
        EXPECT_EQ(dialog->choice().option, c.option) << testing::PrintToString(c.ticked);
        std::array<bool, 3> expected{};
        expected[static_cast<std::size_t>(c.option - 1)] = true;
        EXPECT_EQ(ticksShown(*dialog), expected) << testing::PrintToString(c.ticked);
    }
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(MacroKeyDialogTest, TextsInEachLanguage) {
    struct Case {
        Language language;
        const char* prompt;
        std::array<const char*, 3> options;
        const char* cancel;
    };
    const Case cases[] = {
        {Language::English,
         "Please select a macro",
         {"Repeat a specified number of times or press any key to end", "Repeat until press any key to end",
          "Repeat until the key is released"},
         "Cancel"},
        {Language::Span,
         "Por favor selecciona un Macro",
         {"Repita especificamente un numero de veces o presione cualquier boton para finalizar",
          "Repetir hasta presionar cualquier boton para finalizar", "Repetir"},
         "Cancelar"},
        {Language::Chs,
         "请从列表框选择一个宏",
         {"重复指定次数或按任意键结束", "重复直到按任意键结束", "重复直到该按键松开结束"},
         "取消"},
        {Language::Cht,
         "請從清單方塊選擇一個巨集",
         {"重複指定次數或按任意鍵結束", "重複直到按任意鍵結束", "重複直到該按鍵鬆開結束"},
         "取消"},
    };
    for (const Case& c : cases) {
        const MacroKeyTexts texts = macroKeyTexts(c.language);
        EXPECT_EQ(texts.prompt, c.prompt);
        for (std::size_t i = 0; i < c.options.size(); ++i) {
            EXPECT_EQ(texts.options[i], c.options[i]) << c.prompt << ", option " << i + 1;
        }
        EXPECT_FALSE(texts.noSlot.empty()) << c.prompt;
        EXPECT_EQ(SkinnedDialog::captionsIn(c.language).cancel, QString::fromUtf8(c.cancel));
    }
    EXPECT_EQ(macroKeyTexts(static_cast<Language>(9)).prompt, "Please select a macro");
}

TEST_F(MacroKeyDialogTest, WithoutItsBackgroundOnlyCancelEndsIt) {
    skin.remove(skin::kMacroKeyDialog);
    writeMacros(kAbc);
    const auto dialog = open();
    EXPECT_EQ(messages.messages, (std::vector<test::RecordingMessages::Message>{
                                     {"error", "Macro Key Dialog Load background image failed!!!"}}));
    EXPECT_EQ(dialog->macroField(), nullptr);
    click(*dialog, kMacroBox);
    click(*dialog, kTickBoxes[2]);
    EXPECT_FALSE(dialog->macroList().isOpen());
    EXPECT_EQ(dialog->choice().option, 1) << "never 0, which would store 0 - 1";

    click(*dialog, test::kDialogOk);
    EXPECT_TRUE(dialog->isVisible()) << "no macro can be chosen, so OK is refused";
    EXPECT_FALSE(dialog->macroList().isOpen());
    click(*dialog, test::kDialogCancel);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(MacroKeyDialogTest, AMacroSavedWhileOpenIsListedAtTheNextOpening) {
    writeMacros(kAbc);
    const auto dialog = open();
    click(*dialog, kMacroBox);
    EXPECT_EQ(dialog->macroList().list()->count(), 3);
    click(*dialog, kMacroBox);

    MouseConfig config{};
    ASSERT_TRUE(library.saveMacro("D", {"B   Dn", "B   Up"}, config).ok());
    click(*dialog, kMacroBox);
    EXPECT_EQ(rowsOf(*dialog->macroList().list()), (QStringList{"A", "B", "C", "D"}));
    clickRow(*dialog, 3);
    EXPECT_EQ(dialog->choice().row, 3U);
    EXPECT_EQ(dialog->choice().name, "D");
}

TEST_F(MacroKeyDialogTest, TheWheelScrollsTheOpenListThreeRows) {
    writeMacros(numberedMacros(20)); // far more than the list shows at once
    const auto dialog = open();
    wheel(*dialog, -120); // closed: nothing to scroll
    click(*dialog, kMacroBox);
    QScrollBar* bar = dialog->macroList().list()->verticalScrollBar();
    ASSERT_GE(bar->maximum(), 6);
    wheel(*dialog, -120);
    EXPECT_EQ(bar->value(), 3);
    wheel(*dialog, 0);
    EXPECT_EQ(bar->value(), 6);
    wheel(*dialog, 120);
    EXPECT_EQ(bar->value(), 3);
}

TEST_F(MacroKeyDialogTest, MacrosPastTheTwelfthAreListedGreyedAndCannotBeChosen) {
    writeMacros(numberedMacros(14));
    const auto dialog = open();
    click(*dialog, kMacroBox);
    QListWidget* list = dialog->macroList().list();
    ASSERT_EQ(list->count(), 14);
    for (int row = 0; row < list->count(); ++row) {
        const bool hasSlot = row < static_cast<int>(kMacroSlotCount);
        EXPECT_EQ(list->item(row)->flags().testFlag(Qt::ItemIsEnabled), hasSlot) << row;
        EXPECT_EQ(list->item(row)->flags().testFlag(Qt::ItemIsSelectable), hasSlot) << row;
        EXPECT_EQ(list->item(row)->toolTip().isEmpty(), hasSlot) << row;
    }

    hoverRow(*dialog, 11);
    EXPECT_EQ(list->currentRow(), 11);
    hoverRow(*dialog, 13);
    EXPECT_EQ(list->currentRow(), -1) << "the pointer selects no row without a slot";
    for (const int row : {12, 13}) {
        clickRow(*dialog, row);
        EXPECT_TRUE(dialog->macroList().isOpen()) << row;
        EXPECT_FALSE(dialog->hasMacro()) << row;
    }
    clickRow(*dialog, 11);
    click(*dialog, test::kDialogOk);
    ASSERT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->choice().row, 11U);
    EXPECT_EQ(dialog->choice().name, "M12");
}

TEST_F(MacroKeyDialogTest, ALongNameIsFittedToTheField) {
    const std::string longName(kMacroNameMaxChars, 'W');
    writeMacros({longName});
    const auto dialog = open();
    chooseRow(*dialog, 0);
    const QLabel* field = dialog->macroField();
    EXPECT_LE(QFontMetrics(field->font()).horizontalAdvance(field->text()), field->contentsRect().width());
    EXPECT_EQ(field->toolTip().toStdString(), longName);
    EXPECT_EQ(dialog->choice().name, longName) << "the whole name is handed back";
    click(*dialog, kMacroBox);
    EXPECT_EQ(dialog->macroList().list()->item(0)->toolTip().toStdString(), longName) << "the row is cut short";
}

} // namespace
} // namespace q417
