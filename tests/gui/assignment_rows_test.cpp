// Every function row that asks a dialog, end to end: the row is chosen in a key row's list, the real
// dialog is answered as a user would, and Apply on the simulated mouse sends the key word the
// answer means; config.bin and str.ini keep it.
#include "app/application.h"
#include "config/config_file.h"
#include "config/device_encoders.h"
#include "config/factory_defaults.h"
#include "config/key_word.h"
#include "dialogs/combo_key_dialog.h"
#include "dialogs/consumer_key_dialog.h"
#include "dialogs/fire_key_dialog.h"
#include "dialogs/macro_key_dialog.h"
#include "dialogs/single_key_dialog.h"
#include "pages/basic_page_layout.h"
#include "pages/frame_regions.h"
#include "pick_dialog_driver.h"
#include "platform/evdev_key_names.h"
#include "platform/ini_file.h"
#include "program_seams.h"
#include "screenshots.h"
#include "skin/skin_drop_down.h"
#include "support/temp_dir.h"
#include "texts/button_labels.h"
#include "trace_lines.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <linux/input-event-codes.h>

namespace q417 {
namespace {

namespace bl = basic_layout;

constexpr std::size_t kButton = 3;       // key row 4
constexpr QPoint kDropDown{100, 136};    // the pickers' and the macro dialog's drop-down
constexpr QPoint kUpperDropDown{90, 77}; // the fire-key dialog's key list and the combo's modifiers
constexpr QPoint kMacroOption3{228, 186};

// A key pressed and released as X11 and Wayland deliver it: with its evdev code plus 8.
void typeKey(QWidget& target, Qt::Key key, std::uint32_t evdev) {
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent event(type, key, Qt::NoModifier, evdev + EvdevKeyNames::kNativeOffset, 0, 0);
        QCoreApplication::sendEvent(&target, &event);
    }
}

// The dialog the row opened; a dialog of another kind is a failure.
template <typename Dialog> Dialog* modal() {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    EXPECT_NE(dialog, nullptr) << "the row opened another dialog, or none";
    return dialog;
}

// Opens a drop-down by a click on its box and clicks one of its rows.
void chooseRow(QWidget& dialog, QPoint box, SkinDropDown& list, int row) {
    test::clickAt(dialog, box);
    ASSERT_NE(list.list(), nullptr) << "the list did not open";
    test::clickRow(dialog, *list.list(), row);
}

struct RowCase {
    const char* name;
    ButtonFunction function;
    std::function<void()> answer; // run while the dialog is open
    std::string label;
    KeyWord word;
    std::function<void(const KeyBank&)> checkBank;
};

const RowCase kCases[] = {
    {"Windows: Calculator",
     ButtonFunction::WindowsKey,
     [] {
         auto* dp = modal<ConsumerKeyDialog>();
         if (dp == nullptr) {
             return;
         }
         auto& d = *dp;
         chooseRow(d, kDropDown, d.rowList(), 2);
         test::clickAt(d, test::kDialogOk);
     },
     "Calculator",
     {0x03, 0x00, 0x92, 0x01},
     [](const KeyBank& b) {
         EXPECT_EQ(b.launchIndex[kButton], 2);
         EXPECT_EQ(b.launchCodeLow[kButton], 0x92);
         EXPECT_EQ(b.launchCodeHigh[kButton], 1);
     }},
    {"Multimedia: Vol-",
     ButtonFunction::MediaKey,
     [] {
         auto* dp = modal<ConsumerKeyDialog>();
         if (dp == nullptr) {
             return;
         }
         auto& d = *dp;
         chooseRow(d, kDropDown, d.rowList(), 6);
         test::clickAt(d, test::kDialogOk);
     },
     "Multimedia-Vol-",
     {0x03, 0x00, 0xEA, 0x00},
     [](const KeyBank& b) {
         EXPECT_EQ(b.mediaIndex[kButton], 6);
         EXPECT_EQ(b.mediaCode[kButton], 0xEA);
     }},
    {"Fire Key: R-CTRL, speed 40, 3 times",
     ButtonFunction::FireKey,
     [] {
         auto* dp = modal<FireKeyDialog>();
         if (dp == nullptr) {
             return;
         }
         auto& d = *dp;
         chooseRow(d, kUpperDropDown, d.keyList(), 39);
         d.speedField()->setText("40");
         d.timesField()->setText("3");
         test::clickAt(d, test::kDialogOk);
     },
     "Fire Key-R-CTRL",
     {0x0A, 0xE4, 40, 3},
     [](const KeyBank& b) {
         EXPECT_EQ(b.fireKeyIndex[kButton], 39);
         EXPECT_EQ(b.fireKeyCode[kButton], 0xE4);
         EXPECT_EQ(b.fireSpeed[kButton], 40);
         EXPECT_EQ(b.fireTimes[kButton], 3);
     }},
    {"Single Key: Right Ctrl",
     ButtonFunction::SingleKey,
     [] {
         auto* dp = modal<SingleKeyDialog>();
         if (dp == nullptr) {
             return;
         }
         auto& d = *dp;
         typeKey(d, Qt::Key_Control, KEY_RIGHTCTRL);
         test::clickAt(d, test::kDialogOk);
     },
     "Single Key-Right Ctrl",
     {0x00, 0x00, 0xE4, 0x00},
     [](const KeyBank& b) {
         EXPECT_EQ(b.singleKeyCode[kButton], 0xE4);
     }},
    {"Combo Key: Left Ctrl + C",
     ButtonFunction::ComboKey,
     [] {
         auto* dp = modal<ComboKeyDialog>();
         if (dp == nullptr) {
             return;
         }
         auto& d = *dp;
         chooseRow(d, kUpperDropDown, *d.modifierList(), 0);
         typeKey(*d.firstKeyField(), Qt::Key_C, KEY_C);
         test::clickAt(d, test::kDialogOk);
     },
     "Combo Key-Left Ctrl+C",
     {0x00, 0x01, 0x06, 0x00},
     [](const KeyBank& b) {
         EXPECT_EQ(b.comboModifiers[kButton], 0x01);
         EXPECT_EQ(b.comboKey1[kButton], 0x06);
         EXPECT_EQ(b.comboKey2[kButton], 0x00);
     }},
    {"Macro Key: B, until released",
     ButtonFunction::MacroKey,
     [] {
         auto* dp = modal<MacroKeyDialog>();
         if (dp == nullptr) {
             return;
         }
         auto& d = *dp;
         chooseRow(d, kDropDown, d.macroList(), 1);
         test::clickAt(d, kMacroOption3);
         test::clickAt(d, test::kDialogOk);
     },
     "Macro Key-B",
     {0x09, 0x02, 0x02, 0x00},
     [](const KeyBank& b) {
         EXPECT_EQ(b.macroNumber[kButton], 1);
         EXPECT_EQ(b.macroMode[kButton], 2);
     }},
};

void PrintTo(const RowCase& c, std::ostream* os) {
    *os << c.name;
}

class AssignmentRows : public ::testing::TestWithParam<RowCase> {};

TEST_P(AssignmentRows, TheDialogsAnswerReachesTheMouseConfigBinAndStrIni) {
    const RowCase& c = GetParam();
    test::TempDir dir;
    dir.write("config.bin", configFileBytes(factoryConfig(), 1));
    dir.write("str.ini", factoryUiSettingsText());
    dir.write("record.ini", "[A]\nItemCount=0\n[B]\nItemCount=0\n[C]\nItemCount=0\n");
    std::filesystem::create_directories(dir / "Skins");
    std::filesystem::copy(test::kSkinsRoot / "Default", dir / "Skins" / "Default",
                          std::filesystem::copy_options::recursive);
    test::ProgramSeams program;
    Application::Seams seams = program.seams();
    seams.dialogs = nullptr; // the real dialogs
    GuiOptions options;
    options.dataDir = dir.path();
    options.device.simulate = true;
    options.device.trace = dir / "trace.txt";
    Application app(options, seams);
    ASSERT_TRUE(app.start());
    emit app.tray().leftClicked();
    MainWindow& window = app.window();

    window.dispatchClick({300, (bl::keyRow(kButton + 1).top + bl::keyRow(kButton + 1).bottom) / 2});
    QListWidget* rows = window.basicPage()->functionList(kButton).list();
    ASSERT_NE(rows, nullptr);
    bool answered = false;
    QTimer::singleShot(0, [&] {
        c.answer();
        answered = true;
        // A dialog still open after the answer would never return: end it, and fail.
        if (auto* left = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            ADD_FAILURE() << "the dialog did not end with the answer";
            left->reject();
        }
    });
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {},
                      rows->visualItemRect(rows->item(static_cast<int>(c.function))).center());
    ASSERT_TRUE(answered);
    EXPECT_TRUE(program.messages.messages.empty());

    const std::size_t traceBefore = dir.read("trace.txt").size();
    window.dispatchClick({700, 630}); // Apply
    MouseConfig saved{};
    ASSERT_TRUE(ConfigFile(dir / "config.bin", program.messages).loadConfig(saved).ok());
    EXPECT_EQ(saved.banks[0].function[kButton], static_cast<std::uint8_t>(c.function));
    c.checkBank(saved.banks[0]);
    EXPECT_EQ(readButtonLabels(IniFile(dir / "str.ini"), Language::English)[0][kButton], c.label);
    const std::vector<std::string> lines = test::traceLines(dir.read("trace.txt").substr(traceBefore));
    const std::vector<std::uint8_t> matrix1 = test::dataAfter(lines, "SET 12 01 40 ");
    EXPECT_EQ(test::slice(matrix1, matrixSlotOfButton(kButton) * 4, 4),
              std::vector<std::uint8_t>(c.word.begin(), c.word.end()));
}

INSTANTIATE_TEST_SUITE_P(EveryDialogRow, AssignmentRows, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<RowCase>& param) {
                             return std::string(std::to_array({"Windows", "Multimedia", "FireKey", "SingleKey",
                                                               "ComboKey", "MacroKey"})[param.index]);
                         });

} // namespace
} // namespace q417
