#include "app/application.h"
#include "config/config_file.h"
#include "config/factory_defaults.h"
#include "dialogs/delay_time_dialog.h"
#include "macro/macro_editor_rules.h"
#include "pages/advanced_page_layout.h"
#include "pages/frame_regions.h"
#include "pages/macro_recorder.h"
#include "program_seams.h"
#include "screenshots.h"
#include "skin/skin_drop_down.h"
#include "support/temp_dir.h"
#include "trace_lines.h"
#include "window_points.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

// Lines read as text in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace q417 {
namespace {

using test::centre;

namespace al = advanced_layout;
using Setting = test::MemoryPointerSettings::Setting;
using Message = test::RecordingMessages::Message;

QStringList lines(std::initializer_list<const char*> texts) {
    QStringList out;
    for (const char* t : texts) {
        out << QString::fromUtf8(t);
    }
    return out;
}

QStringList listTexts(const QListWidget& list) {
    QStringList out;
    for (int row = 0; row < list.count(); ++row) {
        out << list.item(row)->text();
    }
    return out;
}

// The tray program on the simulated mouse with a built skin, its window shown and switched to the
// advanced page. The desktop's pointer settings are kept in memory.
class AdvancedPageTest : public ::testing::Test {
protected:
    void start(const std::string& recordIni = {}, const MouseConfig& record = factoryConfig()) {
        dir.write("config.bin", configFileBytes(record, 1));
        dir.write("str.ini", factoryUiSettingsText());
        std::filesystem::remove(dir / "record.ini");
        if (!recordIni.empty()) {
            dir.write("record.ini", recordIni);
        }
        std::filesystem::create_directories(dir / "Skins");
        std::filesystem::copy(test::kSkinsRoot / "Default", dir / "Skins" / "Default",
                              std::filesystem::copy_options::recursive | std::filesystem::copy_options::skip_existing);
        GuiOptions options;
        options.dataDir = dir.path();
        options.device.simulate = true;
        options.device.trace = dir / "trace.txt";
        app = std::make_unique<Application>(options, program.seams());
        ASSERT_TRUE(app->start());
        ASSERT_TRUE(app->device().deviceReady());
        emit app->tray().leftClicked();
        click(frameRect(FrameButton::NextPage));
        ASSERT_EQ(window().currentPage(), MainWindow::PageShown::Advanced);
    }

    MainWindow& window() { return app->window(); }
    AdvancedPage& page() { return *window().advancedPage(); }
    MacroEditor& editor() { return page().macros(); }
    MouseConfig& config() { return app->model().config(); }
    void click(const Rect& r) { QTest::mouseClick(&window(), Qt::LeftButton, {}, centre(r)); }
    QStringList events() { return listTexts(*editor().eventList()); }
    QStringList macros() { return listTexts(*editor().macroList()); }
    void selectLine(int row) { editor().eventList()->setCurrentRow(row); }

    void key(QEvent::Type type, Qt::Key k, Qt::KeyboardModifiers modifiers = {}, bool autoRepeat = false) {
        QKeyEvent event(type, k, modifiers, QString(), autoRepeat);
        QApplication::sendEvent(&window(), &event);
    }
    void tap(Qt::Key k) {
        key(QEvent::KeyPress, k);
        key(QEvent::KeyRelease, k);
    }

    test::TempDir dir;
    test::ProgramSeams program;
    std::unique_ptr<Application> app;
};

// The desktop's settings are read once, on the first build of the page.
TEST_F(AdvancedPageTest, TheFirstBuildShowsTheDesktopsLevels) {
    program.pointer.speed = 3;
    program.pointer.wheelLines = 3;
    program.pointer.doubleClickMs = 500;
    start();
    EXPECT_TRUE(page().systemRead());
    EXPECT_EQ(config().pointerSpeedLevel, 2);
    EXPECT_EQ(config().wheelScrollLines, 3);
    EXPECT_EQ(config().doubleClickLevel, 6);
    EXPECT_TRUE(program.messages.messages.empty());

    // Later builds show the record, not the desktop.
    program.pointer.speed = 20;
    click(frameRect(FrameButton::PreviousPage));
    click(frameRect(FrameButton::NextPage));
    EXPECT_EQ(config().pointerSpeedLevel, 2);

    // Apply without changes: speed 2 and 550 ms go to the desktop.
    click(frameRect(FrameButton::Apply));
    EXPECT_EQ(program.pointer.speed, 2);
    EXPECT_EQ(program.pointer.doubleClickMs, 550);
}

TEST_F(AdvancedPageTest, CellsAndTickBoxesEditTheRecordOnlyUntilApply) {
    start();
    click(al::cell(1, 9));
    click(al::cell(3, 2));
    click(al::kPrecisionBox);
    EXPECT_EQ(config().pointerSpeedLevel, 9);
    EXPECT_EQ(config().doubleClickLevel, 2);
    EXPECT_EQ(config().enhancePointerPrecision, 1);
    EXPECT_TRUE(program.pointer.writes.empty()) << "nothing reaches the desktop before Apply";

    click(frameRect(FrameButton::Apply));
    EXPECT_EQ(program.pointer.speed, 16);
    EXPECT_EQ(program.pointer.doubleClickMs, 830);
    EXPECT_TRUE(program.pointer.precision);
    click(al::kPrecisionBox);
    EXPECT_EQ(config().enhancePointerPrecision, 0);
}

// One-screen scrolling in the desktop ticks its box and darkens the row; Apply keeps it, whatever
// cell is clicked, until the box is unticked.
TEST_F(AdvancedPageTest, OneScreenScrollingIsKeptUntilUnticked) {
    program.pointer.wheelLines = PointerSettings::kOneScreenPerNotch;
    start();
    EXPECT_EQ(config().scrollOneScreen, 1);
    EXPECT_EQ(config().wheelScrollLines, 0);
    click(al::cell(2, 5));
    click(frameRect(FrameButton::Apply));
    EXPECT_EQ(program.pointer.wheelLines, PointerSettings::kOneScreenPerNotch);
    click(al::kOneScreenBox);
    click(frameRect(FrameButton::Apply));
    EXPECT_EQ(program.pointer.wheelLines, 5);
}

TEST_F(AdvancedPageTest, DefaultChangesTheDesktopAtOnce) {
    program.pointer.speed = 18;
    program.pointer.precision = true;
    program.pointer.doubleClickMs = 300;
    start();
    click(al::kDefault);
    EXPECT_EQ(program.pointer.speed, 10);
    EXPECT_FALSE(program.pointer.precision);
    EXPECT_EQ(program.pointer.wheelLines, 3);
    EXPECT_EQ(program.pointer.doubleClickMs, 500);
    EXPECT_EQ(config().pointerSpeedLevel, 6);
    EXPECT_EQ(config().wheelScrollLines, 3);
    EXPECT_EQ(config().doubleClickLevel, 6);
    EXPECT_EQ(config().enhancePointerPrecision, 0);
}

TEST_F(AdvancedPageTest, AFailedReadIsAWarningAndASettingTheDesktopLacksIsNot) {
    program.pointer.setOutcome(Setting::Speed, SettingOutcome::Failed);
    program.pointer.setOutcome(Setting::WheelLines, SettingOutcome::Unavailable);
    start();
    EXPECT_EQ(program.messages.messages, (std::vector<Message>{{"GETMOUSESPEED failed.", "Warning"}}));
}

TEST_F(AdvancedPageTest, HoverLightsTheMacroButtonsOneAtATime) {
    start();
    window().lightAt(centre(al::kNew));
    EXPECT_TRUE(window().isLit(AdvancedPage::kNewElement));
    window().lightAt(centre(al::kDelete));
    EXPECT_TRUE(window().isLit(AdvancedPage::kDeleteElement));
    EXPECT_FALSE(window().isLit(AdvancedPage::kNewElement));
    window().lightAt(centre(al::kDefault));
    EXPECT_TRUE(window().isLit(AdvancedPage::kDefaultElement));
}

// The page build takes the macros from record.ini; the first one is selected with its lines and
// its slot's repeat count.
TEST_F(AdvancedPageTest, ThePageListsTheMacrosOfRecordIni) {
    MouseConfig record = factoryConfig();
    record.macroSlots[0].setRepeats(4);
    start("[One]\nItemCount=3\nItem0=A   Dn\nItem1=50 ms\nItem2=A   Up\n[Two]\nItemCount=0\n", record);
    EXPECT_EQ(macros(), lines({"One", "Two"}));
    EXPECT_EQ(events(), lines({"A   Dn", "50 ms", "A   Up"}));
    EXPECT_EQ(editor().nameBox()->text(), "One");
    EXPECT_EQ(editor().loopBox()->text(), "4");

    // A macro without lines empties the event list and leaves the loop-times box as it was.
    editor().macroList()->setCurrentRow(1);
    EXPECT_TRUE(events().isEmpty());
    EXPECT_EQ(editor().nameBox()->text(), "Two");
    EXPECT_EQ(editor().loopBox()->text(), "4");
}

TEST_F(AdvancedPageTest, NewRefusesBlankDuplicateAndThirteenthNames) {
    std::string twelve;
    for (int i = 0; i < 12; ++i) {
        twelve += "[M" + std::to_string(i) + "]\nItemCount=0\n";
    }
    struct Case {
        const char* name;
        std::string recordIni;
        const char* typed;
        Message expected;
    };
    const Case cases[] = {
        {"blank even when full", twelve, "", {"Macro name is blank", ""}},
        {"thirteenth before duplicate", twelve, "m3", {"Macro numbers up to 12.", "Warning"}},
        {"duplicate without regard to case", "[ABC]\nItemCount=0\n", "abc", {"Macro name already exists", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        program.messages.messages.clear();
        start(c.recordIni);
        const QStringList before = macros();
        editor().nameBox()->setText(c.typed);
        click(al::kNew);
        EXPECT_EQ(program.messages.messages, std::vector<Message>{c.expected});
        EXPECT_EQ(macros(), before);
        app.reset();
    }
}

TEST_F(AdvancedPageTest, NewAppendsAndSelectsAndConfirmWritesRecordIni) {
    start("[One]\nItemCount=1\nItem0=A   Dn\n");
    editor().nameBox()->setText("Two");
    click(al::kNew);
    EXPECT_EQ(macros(), lines({"One", "Two"}));
    EXPECT_EQ(editor().macroList()->currentRow(), 1);
    EXPECT_TRUE(events().isEmpty());

    editor().mouseEvents().open();
    editor().mouseEvents().choose(0); // "L-Button Click" into the empty list
    EXPECT_EQ(events(), lines({"L-Button   Dn", "50 ms", "L-Button   Up", "50 ms"}));
    click(al::kConfirm);
    const MacroLibrary library(dir / "record.ini");
    EXPECT_EQ(library.listMacroNames(), (std::vector<std::string>{"One", "Two"}));
    EXPECT_EQ(library.loadMacro("Two"), (std::vector<std::string>{"L-Button   Dn", "50 ms", "L-Button   Up", "50 ms"}));
    EXPECT_EQ(config().macroSlots[1].eventPairs[1], 0xF0);
}

// The name box takes only what record.ini gives back as typed.
TEST_F(AdvancedPageTest, TheNameBoxKeepsOutWhatASectionNameCannotHold) {
    start();
    QLineEdit& box = *editor().nameBox();
    box.setFocus();
    QTest::keyClicks(&box, "a]b[c");
    EXPECT_EQ(box.text(), "abc");
}

TEST_F(AdvancedPageTest, LoopTimesOutOfRangeBecomeOne) {
    start("[One]\nItemCount=1\nItem0=A   Dn\n");
    for (const char* typed : {"0", "70000", ""}) {
        SCOPED_TRACE(typed);
        editor().loopBox()->setText("7");
        EXPECT_EQ(config().macroSlots[0].repeats(), 7);
        editor().loopBox()->setText(typed);
        EXPECT_EQ(editor().loopBox()->text(), "1");
        EXPECT_EQ(config().macroSlots[0].repeats(), 1);
    }
}

TEST_F(AdvancedPageTest, MouseEventsGoInWhereTheSelectedLineSays) {
    struct Case {
        const char* name = nullptr;
        int selected = -1; // -1: none
        int entry = 0;
        QStringList expected;
        int selectedAfter = -1;
    };
    const QStringList start4 = lines({"A   Dn", "50 ms", "A   Up", "50 ms"});
    const Case cases[] = {
        {"click after a delay line", 3, 1, start4 + lines({"R-Button   Dn", "50 ms", "R-Button   Up", "50 ms"}), 4},
        {"release after an event line", 0, 8, lines({"A   Dn", "50 ms", "M-Button   Up", "50 ms", "A   Up", "50 ms"}),
         2},
        {"nothing selected, lines present", -1, 3, start4, -1},
    };
    start("[One]\nItemCount=4\nItem0=A   Dn\nItem1=50 ms\nItem2=A   Up\nItem3=50 ms\n");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        editor().selectMacro(0); // the lines as record.ini holds them
        editor().eventList()->clearSelection();
        if (c.selected >= 0) {
            selectLine(c.selected);
        }
        click(al::kMouseEventRegions.box);
        ASSERT_TRUE(editor().mouseEvents().isOpen());
        editor().mouseEvents().choose(c.entry);
        EXPECT_FALSE(editor().mouseEvents().isOpen());
        EXPECT_EQ(events(), c.expected);
        EXPECT_EQ(editor().mouseEventBox()->text(),
                  QString::fromUtf8(kMouseEventEntries[static_cast<std::size_t>(c.entry)]));
        if (c.selectedAfter >= 0) {
            EXPECT_EQ(editor().eventList()->currentRow(), c.selectedAfter);
        }
    }
}

TEST_F(AdvancedPageTest, AClickElsewhereClosesTheMouseEventList) {
    start();
    click(al::kMouseEventRegions.box);
    ASSERT_TRUE(editor().mouseEvents().isOpen());
    click(al::cell(1, 3));
    EXPECT_FALSE(editor().mouseEvents().isOpen());
    EXPECT_EQ(config().pointerSpeedLevel, 3) << "the click goes on to the cell";
}

TEST_F(AdvancedPageTest, TheDelayDialogsDigitsBecomeTheLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "20 ms"}, {"5", "20 ms"}, {"123456", "10000 ms"}, {"0050", "0050 ms"}, {"300", "300 ms"}};
    start("[One]\nItemCount=3\nItem0=A   Dn\nItem1=50 ms\nItem2=A   Up\n");
    for (const auto& [typed, line] : cases) {
        SCOPED_TRACE(typed);
        selectLine(1);
        program.dialogs.delays.push_back(std::string(typed));
        editor().editDelay();
        EXPECT_EQ(events().at(1), line);
        EXPECT_EQ(editor().eventList()->currentRow(), 1);
    }
    // Cancel changes nothing; an event line opens no dialog.
    const int opened = program.dialogs.delaysOpened;
    selectLine(1);
    program.dialogs.delays.push_back(std::nullopt);
    editor().editDelay();
    EXPECT_EQ(events().at(1), "300 ms");
    selectLine(0);
    editor().editDelay();
    EXPECT_EQ(program.dialogs.delaysOpened, opened + 1);
}

TEST_F(AdvancedPageTest, TheContextMenusDeleteTakesTheSelectedLineOnly) {
    start("[One]\nItemCount=3\nItem0=A   Dn\nItem1=50 ms\nItem2=A   Up\n");
    selectLine(1);
    editor().deleteSelectedLine();
    EXPECT_EQ(events(), lines({"A   Dn", "A   Up"}));
    EXPECT_EQ(MacroLibrary(dir / "record.ini").loadMacro("One").size(), 3u) << "record.ini waits for Confirm";
}

TEST_F(AdvancedPageTest, TheRecorderWritesSevenLinesForTwoKeys) {
    start("[One]\nItemCount=1\nItem0=Z   Dn\n");
    click(al::kStartRecording);
    EXPECT_TRUE(editor().recording());
    EXPECT_EQ(window().windowTitle().toStdString(), "Press Ctrl+Break key to stop recording");
    tap(Qt::Key_A);
    key(QEvent::KeyPress, Qt::Key_B);
    key(QEvent::KeyPress, Qt::Key_B, {}, true); // auto-repeat: still one press line
    key(QEvent::KeyPress, Qt::Key_B, {}, true);
    key(QEvent::KeyRelease, Qt::Key_B);
    EXPECT_EQ(events(), lines({"A   Dn", "50 ms", "A   Up", "50 ms", "B   Dn", "50 ms", "B   Up"}));
    key(QEvent::KeyPress, Qt::Key_Escape); // swallowed: the window stays
    EXPECT_TRUE(window().isVisible());
    click(al::kStopRecording);
    EXPECT_FALSE(editor().recording());
    EXPECT_EQ(program.messages.messages, (std::vector<Message>{{"Start Recording", ""}, {"Stop Recording", ""}}));
}

TEST_F(AdvancedPageTest, AKeyHeldBeforeStartGivesADelayThenItsRelease) {
    start("[One]\nItemCount=0\n");
    click(al::kStartRecording);
    key(QEvent::KeyRelease, Qt::Key_A);
    EXPECT_EQ(events(), lines({"50 ms", "A   Up"}));
}

TEST_F(AdvancedPageTest, CtrlBreakStopsTheRecordingWithoutItsCtrlLine) {
    start("[One]\nItemCount=0\n");
    click(al::kStartRecording);
    tap(Qt::Key_A);
    key(QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier);
    key(QEvent::KeyPress, Qt::Key_Pause, Qt::ControlModifier);
    EXPECT_FALSE(editor().recording());
    EXPECT_EQ(events(), lines({"A   Dn", "50 ms", "A   Up"}));
    tap(Qt::Key_C); // no longer recorded
    EXPECT_EQ(events().size(), 3);
}

TEST_F(AdvancedPageTest, StopWithoutARecordingAndStartWithoutMacrosSaySo) {
    start();
    editor().eventList()->addItem("kept");
    click(al::kStopRecording);
    click(al::kStartRecording);
    EXPECT_EQ(program.messages.messages,
              (std::vector<Message>{{"Stop Recording", ""},
                                    {"It doesn’t start recording, unnecessary to press Stop key!", "Warning"},
                                    {"Macro name is blank", "Warning"}}));
    EXPECT_FALSE(editor().recording());
    EXPECT_EQ(events(), lines({"kept"}));
}

TEST_F(AdvancedPageTest, LeavingThePageStopsTheRecording) {
    start("[One]\nItemCount=0\n");
    click(al::kStartRecording);
    click(frameRect(FrameButton::PreviousPage));
    EXPECT_FALSE(editor().recording());
    EXPECT_EQ(editor().macroList(), nullptr);
    key(QEvent::KeyPress, Qt::Key_Escape); // reaches the window again: it hides
    EXPECT_FALSE(window().isVisible());
}

// Deleting a macro moves the macros after it up one slot: the buttons follow them, and a button
// that played the deleted macro becomes Key Off.
TEST_F(AdvancedPageTest, DeletingAMacroRenumbersTheButtonsThroughToConfigBin) {
    MouseConfig record = factoryConfig();
    KeyBank& bankA = record.banks[0];
    bankA.function[3] = static_cast<std::uint8_t>(ButtonFunction::MacroKey);
    bankA.macroNumber[3] = 1; // plays B
    bankA.function[4] = static_cast<std::uint8_t>(ButtonFunction::MacroKey);
    bankA.macroNumber[4] = 2; // plays C
    record.macroSlots[2].setRepeats(9);
    start("[A]\nItemCount=1\nItem0=A   Dn\n[B]\nItemCount=1\nItem0=B   Dn\n[C]\nItemCount=1\nItem0=C   Dn\n", record);
    editor().macroList()->setCurrentRow(1);
    click(al::kDelete);
    EXPECT_EQ(macros(), lines({"A", "C"}));
    EXPECT_EQ(editor().macroList()->selectedItems().size(), 0);
    EXPECT_TRUE(editor().nameBox()->text().isEmpty());
    click(frameRect(FrameButton::Apply));

    MouseConfig saved{};
    ASSERT_TRUE(ConfigFile(dir / "config.bin", program.messages).loadConfig(saved).ok());
    EXPECT_EQ(saved.banks[0].function[3], static_cast<std::uint8_t>(ButtonFunction::KeyOff));
    EXPECT_EQ(saved.banks[0].function[4], static_cast<std::uint8_t>(ButtonFunction::MacroKey));
    EXPECT_EQ(saved.banks[0].macroNumber[4], 1);
    EXPECT_EQ(saved.macroSlots[1].repeats(), 9);
    EXPECT_EQ(saved.macroSlots[1].eventPairs[1], 0x06) << "C's code";
    EXPECT_EQ(app->model().labels()[0][3], "Key Off");

    // After Delete nothing is selected: Confirm and recording do nothing.
    click(al::kConfirm);
    EXPECT_EQ(MacroLibrary(dir / "record.ini").listMacroNames(), (std::vector<std::string>{"A", "C"}));
}

// The whole way of a macro: made and recorded on the advanced page, confirmed, assigned to a
// button with the macro-key dialog, and applied to the simulated mouse.
TEST_F(AdvancedPageTest, ARecordedMacroReachesTheMouseOnAButton) {
    start();
    editor().nameBox()->setText("Two keys");
    click(al::kNew);
    click(al::kStartRecording);
    tap(Qt::Key_A);
    tap(Qt::Key_B);
    click(al::kStopRecording);
    click(al::kConfirm);

    click(frameRect(FrameButton::PreviousPage));
    program.dialogs.assignments.push_back(DialogChoice{MacroKeyChoice{.row = 0, .name = "Two keys", .option = 1}});
    window().basicPage()->onFunctionChoice(3, static_cast<int>(ButtonFunction::MacroKey));
    EXPECT_EQ(app->model().labels()[0][3], "Macro Key-Two keys");
    const std::size_t traceBefore = dir.read("trace.txt").size();
    click(frameRect(FrameButton::Apply));

    const std::vector<std::string> trace = test::traceLines(dir.read("trace.txt").substr(traceBefore));
    // Slot 1: played once; press A, 50 ms; release A, 50 ms; press B, 50 ms; release B, the last.
    EXPECT_EQ(test::slice(test::dataAfter(trace, "SET 13 01 80 "), 0, 12),
              (std::vector<std::uint8_t>{0x00, 0x01, 0x05, 0x04, 0x85, 0x04, 0x05, 0x05, 0x80, 0x05, 0x00, 0x00}));
    // Button 3 sits in key-matrix slot 8: macro 1, played with option 1.
    EXPECT_EQ(test::slice(test::dataAfter(trace, "SET 12 01 40 "), std::size_t{8} * 4, 4),
              (std::vector<std::uint8_t>{0x09, 0x00, 0x01, 0x00}));
}

} // namespace
} // namespace q417
