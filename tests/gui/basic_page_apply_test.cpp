#include "app/application.h"
#include "config/config_file.h"
#include "config/factory_defaults.h"
#include "pages/basic_page_layout.h"
#include "pages/frame_regions.h"
#include "pages/lighting_layout.h"
#include "platform/ini_file.h"
#include "program_seams.h"
#include "screenshots.h"
#include "skin/skin_drop_down.h"
#include "support/temp_dir.h"
#include "texts/button_labels.h"
#include "trace_lines.h"
#include "window_points.h"

#include <QListWidget>
#include <QTest>
#include <algorithm>
#include <cstddef>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace q417 {
namespace {

using test::centre;

namespace bl = basic_layout;
namespace ll = lighting_layout;

// A user's click on the row of an open list that shows `text`.
void clickListRow(QListWidget* list, const QString& text) {
    ASSERT_NE(list, nullptr);
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << text.toStdString();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.front()).center());
}

// A first run on the simulated mouse (sensor kind 0): the user edits the basic page with the
// pointer and presses Apply. config.bin changes in exactly the fields edited, and the mouse is sent
// what they mean.
TEST(BasicPageApply, EditsOnThePageReachConfigBinAndTheMouse) {
    test::TempDir dir;
    const std::string recordBefore = configFileBytes(factoryConfig(), 0);
    dir.write("config.bin", recordBefore);
    dir.write("str.ini", factoryUiSettingsText());
    test::copyBuiltSkins(dir.path());
    test::ProgramSeams program;
    GuiOptions options;
    options.dataDir = dir.path();
    options.device.simulate = true;
    options.device.trace = dir / "trace.txt";
    Application app(options, program.seams());
    ASSERT_TRUE(app.start());
    ASSERT_TRUE(app.device().deviceReady());
    emit app.tray().leftClicked();
    MainWindow& window = app.window();
    ASSERT_TRUE(window.isVisible());
    BasicPage& page = *window.basicPage();
    const auto click = [&window](const Rect& r) {
        QTest::mouseClick(&window, Qt::LeftButton, {}, centre(r));
    };

    click(bl::keyRow(4)); // button 3, "Forward"
    clickListRow(page.functionList(3).list(), "Right Click");
    click(bl::rateCell(2)); // 250 Hz
    click(bl::levelCell(2, 3));
    click(bl::tickBox(4));
    program.dialogs.colours.push_back(QColor(0x12, 0x34, 0x56));
    click(bl::colourSwatch(1));
    click(ll::kMode.click);
    clickListRow(page.lighting().list(LightingSection::Field::Mode).list(), "Neon");
    ASSERT_TRUE(program.messages.messages.empty());

    const std::size_t traceBefore = dir.read("trace.txt").size();
    click(frameRect(FrameButton::Apply));

    // config.bin: the first-run flag is set, and the edited fields changed, nothing else.
    const std::string recordAfter = dir.read("config.bin");
    ASSERT_EQ(recordAfter.size(), recordBefore.size());
    std::map<std::size_t, std::pair<int, int>> changed;
    for (std::size_t i = 0; i < recordAfter.size(); ++i) {
        if (recordAfter[i] != recordBefore[i]) {
            changed[i] = {static_cast<std::uint8_t>(recordBefore[i]), static_cast<std::uint8_t>(recordAfter[i])};
        }
    }
    const auto at = [](std::size_t fieldOffset) {
        return fieldOffset + 1;
    }; // after the flag byte
    const std::map<std::size_t, std::pair<int, int>> expected{
        {0, {0, 1}},
        {at(offsetof(MouseConfig, banks) + offsetof(KeyBank, function) + 3), {3, 1}},
        {at(offsetof(MouseConfig, reportRate)), {1, 4}},
        {at(offsetof(MouseConfig, dpiLevel) + 1), {4, 2}},
        {at(offsetof(MouseConfig, dpiStageEnabled) + 3), {1, 0}},
        {at(offsetof(MouseConfig, dpiColor) + 0), {0xFF, 0x12}},
        {at(offsetof(MouseConfig, dpiColor) + 1), {0x20, 0x34}},
        {at(offsetof(MouseConfig, dpiColor) + 2), {0x20, 0x56}},
        {at(offsetof(MouseConfig, ledMode)), {1, 3}},
    };
    EXPECT_EQ(changed, expected);
    const KeyLabels saved = readButtonLabels(IniFile(dir / "str.ini"), Language::English);
    EXPECT_EQ(saved[0][3], "Right Click");
    EXPECT_EQ(saved[1][3], "Forward");

    // The mouse: what the apply sent.
    const std::vector<std::string> lines = test::traceLines(dir.read("trace.txt").substr(traceBefore));
    const auto has = [&lines](std::string_view line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    EXPECT_TRUE(has("SET 01 04 00 00 00 00 00 fa")) << "report rate code 4";
    EXPECT_TRUE(has("SET 11 04 08 00 00 00 00 e2"));
    // Levels 1, 2, 7 and 10 of sensor kind 0; stage 4 marked off.
    EXPECT_EQ(test::slice(test::dataAfter(lines, "SET 11 04 08 "), 0, 8),
              (std::vector<std::uint8_t>{0x02, 0x03, 0x08, 0xA7, 0x80, 0x80, 0x80, 0x80}));
    EXPECT_EQ(test::slice(test::dataAfter(lines, "SET 10 01 18 "), 0, 6),
              (std::vector<std::uint8_t>{0x12, 0x34, 0x56, 0x20, 0xFF, 0x40}))
        << "stage colours";
    // Button 3 sits in key-matrix slot 8: a right click in matrix 1 (Mode A), Forward still in matrix 3 (Mode B).
    EXPECT_EQ(test::slice(test::dataAfter(lines, "SET 12 01 40 "), std::size_t{8} * 4, 4),
              (std::vector<std::uint8_t>{0x01, 0x00, 0xF1, 0x00}));
    EXPECT_EQ(test::slice(test::dataAfter(lines, "SET 12 03 40 "), std::size_t{8} * 4, 4),
              (std::vector<std::uint8_t>{0x01, 0x00, 0xF4, 0x00}));
}

} // namespace
} // namespace q417
