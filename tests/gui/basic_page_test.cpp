#include "app/application.h"
#include "config/config_file.h"
#include "config/factory_defaults.h"
#include "pages/basic_page_layout.h"
#include "pages/basic_page_rules.h"
#include "pages/frame_regions.h"
#include "pages/lighting_layout.h"
#include "program_seams.h"
#include "skin/skin_drop_down.h"
#include "skin/skin_files.h"
#include "support/temp_dir.h"
#include "window_points.h"

#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <cstring>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>

namespace q417 {
namespace {

using test::centre;

namespace bl = basic_layout;
namespace ll = lighting_layout;
using Field = LightingSection::Field;

template <typename T> bool sameBytes(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

// The plain skin the page is drawn in: each image one colour, so a pixel tells which look is drawn.
const QColor kBackground(10, 10, 10);
const QColor kNormal(60, 60, 60); // buttons and key rows
const QColor kOver(0, 120, 200);
const QColor kLight(250, 200, 0); // lit slider cells and ticked boxes
const QColor kDark(90, 40, 40);   // unlit slider cells and empty boxes

void writePlainSkin(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    const auto write = [&folder](std::string_view name, QSize size, QColor colour) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        image.save(QString::fromStdString(folder.native() + std::string(name)), "PNG");
    };
    for (const std::string_view background : {skin::kMainBackground, skin::kBasicPage, skin::kAdvancedPage}) {
        write(background, {890, 660}, kBackground);
    }
    write(skin::kButtonNormal, {105, 21}, kNormal);
    write(skin::kButtonOver, {105, 21}, kOver);
    write(skin::kDropdownNormal, {211, 21}, kNormal);
    write(skin::kDropdownOver, {211, 21}, kOver);
    write(skin::kRateCellLight, {70, 11}, kLight);
    write(skin::kRateCellDark, {70, 11}, kDark);
    write(skin::kDpiCellLight, {16, 16}, kLight);
    write(skin::kDpiCellDark, {16, 16}, kDark);
    write(skin::kPaneTicked, {16, 16}, kLight);
    write(skin::kPane, {16, 16}, kDark);
}

// The tray program on a first run: a temporary data folder with config.bin and a plain skin, the
// simulated mouse with the sensor kind it reports, and the window shown as after a tray click.
class BasicPageTest : public ::testing::Test {
protected:
    void start(const MouseConfig& record = factoryConfig(), std::uint8_t sensorKind = 0) {
        dir.write("config.bin", configFileBytes(record, 0));
        dir.write("str.ini", factoryUiSettingsText());
        dir.write("mouse.json", "{\"sensorBlock\": [" + std::to_string(sensorKind) + ", 1, 10, 0]}");
        writePlainSkin(dir / "Skins" / "Default");
        GuiOptions options;
        options.dataDir = dir.path();
        options.device.simState = dir / "mouse.json";
        app = std::make_unique<Application>(options, program.seams());
        ASSERT_TRUE(app->start());
        ASSERT_TRUE(app->device().deviceReady());
        emit app->tray().leftClicked();
        ASSERT_TRUE(window().isVisible());
        ASSERT_NE(window().basicPage(), nullptr);
    }

    MainWindow& window() { return app->window(); }
    BasicPage& page() { return *window().basicPage(); }
    MouseConfig& config() { return app->model().config(); }
    KeyLabels& labels() { return app->model().labels(); }

    void click(const Rect& r) { window().dispatchClick(centre(r)); }
    void clickAt(QPoint p) { window().dispatchClick(p); }
    // The look drawn at a rectangle: a pixel near its top-right corner, clear of any text.
    QColor look(const Rect& r) const { return app->window().canvas().pixelColor(r.right - 2, r.top + 1); }

    std::vector<std::size_t> openFunctionLists() {
        std::vector<std::size_t> open;
        for (std::size_t button = 0; button < bl::kKeyRowCount; ++button) {
            if (page().functionList(button).isOpen()) {
                open.push_back(button);
            }
        }
        return open;
    }
    // Chooses the row that shows `text` in an open list; false when the list has no such row.
    static bool chooseText(SkinDropDown& list, const QString& text) {
        if (list.list() == nullptr) {
            return false;
        }
        const QList<QListWidgetItem*> found = list.list()->findItems(text, Qt::MatchExactly);
        if (found.size() != 1) {
            return false;
        }
        list.choose(list.list()->row(found.front()));
        return true;
    }
    QString fieldText(Field field) const {
        const QLabel* label = app->window().basicPage()->lighting().valueField(field);
        return label != nullptr ? label->text() : QString("<none>");
    }

    test::TempDir dir;
    test::ProgramSeams program;
    test::RecordingMessages& messages = program.messages;
    test::ScriptedDialogs& dialogs = program.dialogs;
    std::unique_ptr<Application> app;
};

TEST_F(BasicPageTest, ClicksCloseListsFirstThenTryTheFrameThenThePageInItsOrder) {
    ASSERT_NO_FATAL_FAILURE(start());
    click(bl::kModeB);
    EXPECT_EQ(config().activeMode, 1);
    clickAt({357, 528}); // the column Mode A and Mode B share
    EXPECT_EQ(config().activeMode, 0) << "Mode A is tested before Mode B";

    click(bl::keyRow(2));
    ASSERT_TRUE(page().functionList(1).isOpen());
    click(frameRect(FrameButton::Skins)); // the skins dialog, cancelled
    EXPECT_EQ(dialogs.skinsOpened.size(), 1U);
    EXPECT_TRUE(openFunctionLists().empty()) << "a frame click closes the open list too";

    const MouseConfig before = config();
    clickAt(test::kBesideTheKeyRows);
    EXPECT_FALSE(page().click(test::kBesideTheKeyRows)) << "a click on nothing falls through to the window move";
    EXPECT_TRUE(sameBytes(config(), before));
}

// config.bin holds levels 0, 2, 9 and 11 whatever the mouse.
struct SensorCase {
    std::uint8_t kind;
    std::size_t cells;
    std::array<std::uint8_t, kDpiStageCount> levels; // after the first page build
    std::string_view stage3Look;                     // cells 1 to 12: L lit, d unlit, . not drawn
    bool upperCellsAnswer;                           // cells 9 to 12 take clicks
};

void PrintTo(const SensorCase& c, std::ostream* out) {
    *out << "sensor kind " << int{c.kind};
}

class BasicPageSensorTest : public BasicPageTest, public ::testing::WithParamInterface<SensorCase> {};

TEST_P(BasicPageSensorTest, TheSensorKindDecidesTheCellsTheirClicksAndTheFirstLevels) {
    const SensorCase& c = GetParam();
    MouseConfig record = factoryConfig();
    record.dpiLevel = {0, 2, 9, 11};
    ASSERT_NO_FATAL_FAILURE(start(record, c.kind));

    EXPECT_EQ(page().cellCount(), c.cells);
    EXPECT_EQ(config().dpiLevel, c.levels);
    std::string stage3;
    for (std::size_t cell = 1; cell <= bl::kMaxDpiCells; ++cell) {
        const QColor colour = look(bl::levelCell(3, cell));
        stage3 += colour == kLight ? 'L' : colour == kDark ? 'd' : colour == kBackground ? '.' : '?';
    }
    EXPECT_EQ(stage3, c.stage3Look);

    click(bl::levelCell(1, 12));
    click(bl::levelCell(2, 8));
    EXPECT_EQ(page().click(centre(bl::levelCell(1, 12))), c.upperCellsAnswer);
    std::array<std::uint8_t, kDpiStageCount> expected = c.levels;
    expected[0] = c.upperCellsAnswer ? 11 : c.levels[0];
    expected[1] = 7;
    EXPECT_EQ(config().dpiLevel, expected);

    // The levels are set for the sensor on the first page build only.
    click(frameRect(FrameButton::NextPage));
    click(frameRect(FrameButton::PreviousPage));
    ASSERT_EQ(window().currentPage(), MainWindow::PageShown::Basic);
    EXPECT_EQ(config().dpiLevel, expected);
}

INSTANTIATE_TEST_SUITE_P(BasicPageSensors, BasicPageSensorTest,
                         ::testing::Values(SensorCase{0, 12, {1, 4, 7, 10}, "LLLLLLLLdddd", true},
                                           SensorCase{1, 8, {0, 2, 9, 11}, "LLLLLLLL....", false},
                                           SensorCase{2, 8, {1, 3, 5, 7}, "LLLLLLdd....", false},
                                           SensorCase{3, 8, {0, 2, 9, 11}, "LLLLLLLL....", false},
                                           SensorCase{4, 12, {0, 2, 9, 11}, "LLLLLLLLLLdd", false}),
                         [](const ::testing::TestParamInfo<SensorCase>& param) {
                             return "Kind" + std::to_string(param.param.kind);
                         });

TEST_F(BasicPageTest, TheEditedModesOnlyLeftClickKeepsItsListClosed) {
    ASSERT_NO_FATAL_FAILURE(start());
    struct Case {
        const char* what = nullptr;
        const Rect& modeButton;
        std::optional<std::size_t> secondLeftInA; // a second left click in Mode A
        std::optional<std::size_t> secondLeftInB;
        bool refused = false;
    };
    const std::array<Case, 4> cases{{
        {"Mode A edited, its only left click", bl::kModeA, {}, {}, true},
        {"Mode B edited, its only left click", bl::kModeB, {}, {}, true},
        {"Mode A edited, only Mode B has one left click", bl::kModeA, 4, {}, false},
        {"Mode B edited, only Mode A has one left click", bl::kModeB, {}, 4, false},
    }};
    constexpr auto kLeft = static_cast<std::uint8_t>(ButtonFunction::LeftClick);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        config().banks = factoryConfig().banks;
        if (c.secondLeftInA) {
            config().banks[0].function[*c.secondLeftInA] = kLeft;
        }
        if (c.secondLeftInB) {
            config().banks[1].function[*c.secondLeftInB] = kLeft;
        }
        click(c.modeButton);
        click(bl::keyRow(3)); // another list open before
        messages.messages.clear();

        click(bl::keyRow(1));
        if (c.refused) {
            EXPECT_EQ(messages.messages,
                      (std::vector<test::RecordingMessages::Message>{{"Left key must be selected!", "Warning"}}));
            EXPECT_TRUE(openFunctionLists().empty());
        } else {
            EXPECT_TRUE(messages.messages.empty());
            EXPECT_EQ(openFunctionLists(), std::vector<std::size_t>{0});
        }
        clickAt(test::kBesideTheKeyRows);
    }
}

TEST_F(BasicPageTest, OneFunctionListIsOpenAtATime) {
    ASSERT_NO_FATAL_FAILURE(start());
    // Rows under an open list lie inside its rectangle; rows 7 to 10 open theirs beside the upper rows.
    const std::array<std::pair<std::size_t, std::size_t>, 4> rowPairs{{{2, 3}, {3, 2}, {7, 10}, {10, 7}}};
    for (const auto& [first, second] : rowPairs) {
        SCOPED_TRACE("row " + std::to_string(first) + " then row " + std::to_string(second));
        click(bl::keyRow(first));
        EXPECT_EQ(openFunctionLists(), std::vector<std::size_t>{first - 1});
        click(bl::keyRow(second));
        EXPECT_EQ(openFunctionLists(), std::vector<std::size_t>{second - 1});
        click(bl::keyRow(second));
        EXPECT_TRUE(openFunctionLists().empty()) << "a second click on the row closes its list";
    }

    click(bl::keyRow(5));
    ASSERT_TRUE(page().functionList(4).isOpen());
    const MouseConfig before = config();
    const KeyLabels labelsBefore = labels();
    clickAt(test::kBesideTheKeyRows);
    EXPECT_TRUE(openFunctionLists().empty());
    EXPECT_TRUE(sameBytes(config(), before));
    EXPECT_EQ(labels(), labelsBefore);
}

TEST_F(BasicPageTest, DpiSwitchIsChosenThroughItsSubListForTheEditedMode) {
    ASSERT_NO_FATAL_FAILURE(start());
    click(bl::kModeB);
    click(bl::keyRow(9));
    SkinDropDown& list = page().functionList(8);
    ASSERT_TRUE(list.isOpen());
    const MouseConfig before = config();

    list.choose(static_cast<int>(ButtonFunction::DpiSwitch));
    EXPECT_TRUE(list.isOpen()) << "the DPI Switch row itself stores nothing";
    EXPECT_TRUE(sameBytes(config(), before));

    page().showDpiSubList(8, 5);
    EXPECT_EQ(page().dpiSubList(), nullptr) << "only the DPI Switch row shows the sub-list";
    page().showDpiSubList(8, 6);
    QListWidget* sub = page().dpiSubList();
    ASSERT_NE(sub, nullptr);
    ASSERT_EQ(sub->count(), 4);
    ASSERT_EQ(sub->item(3)->text(), "Shift DPI");
    QTest::mouseClick(sub->viewport(), Qt::LeftButton, {}, sub->visualItemRect(sub->item(3)).center());

    EXPECT_EQ(config().banks[1].function[8], static_cast<std::uint8_t>(ButtonFunction::DpiSwitch));
    EXPECT_EQ(config().dpiSwitchMode[1][8], static_cast<std::uint8_t>(DpiSwitchVariant::Shift));
    EXPECT_EQ(labels()[1][8], "Shift DPI");
    EXPECT_TRUE(sameBytes(config().banks[0], before.banks[0])) << "Mode A is not edited";
    EXPECT_EQ(page().dpiSubList(), nullptr);
    EXPECT_FALSE(list.isOpen());

    // The pointer moving over the list selects the row under it; on "DPI Switch" the sub-list opens.
    click(bl::keyRow(9));
    QListWidget* rows = list.list();
    ASSERT_NE(rows, nullptr);
    QTest::mouseMove(rows->viewport(), rows->visualItemRect(rows->item(4)).center());
    EXPECT_EQ(rows->currentRow(), 4);
    EXPECT_EQ(page().dpiSubList(), nullptr);
    QTest::mouseMove(rows->viewport(), rows->visualItemRect(rows->item(6)).center());
    EXPECT_EQ(rows->currentRow(), 6);
    ASSERT_NE(page().dpiSubList(), nullptr);
    // Beside the row: its left edge at the row's right end, its top at the row's top.
    const QRect row6 = rows->visualItemRect(rows->item(6)).translated(rows->viewport()->pos() + rows->pos());
    EXPECT_EQ(page().dpiSubList()->geometry(), QRect(row6.right() + 1, row6.top(), 60, 80));

    // Any click on the window closes the sub-list with its list.
    const MouseConfig chosen = config();
    clickAt(test::kBesideTheKeyRows);
    EXPECT_EQ(page().dpiSubList(), nullptr);
    EXPECT_FALSE(list.isOpen());
    EXPECT_TRUE(sameBytes(config(), chosen));
}

TEST_F(BasicPageTest, DialogRowsStoreWhatTheirDialogConfirmsAndNothingWhenCancelled) {
    ASSERT_NO_FATAL_FAILURE(start());
    struct Case {
        DialogChoice choice;
        std::string label;
    };
    const std::vector<Case> cases{
        {WindowsKeyChoice{2, "Calculator"}, "Calculator"},
        {MediaKeyChoice{5, "Vol+"}, "Multimedia-Vol+"},
        {FireKeyChoice{0, "L-Button", 10, 3}, "Fire Key-L-Button"},
        {SingleKeyChoice{"F5"}, "Single Key-F5"},
        {ComboKeyChoice{"Left Ctrl", "C", ""}, "Combo Key-Left Ctrl+C"},
        {MacroKeyChoice{2, "Copy", 1}, "Macro Key-Copy"},
    };
    constexpr std::size_t kRow3 = 2; // the third key row
    SkinDropDown& list = page().functionList(kRow3);
    for (const Case& c : cases) {
        const ButtonFunction function = functionOf(c.choice);
        const int row = static_cast<int>(function);
        SCOPED_TRACE("row " + std::to_string(row));

        click(bl::keyRow(kRow3 + 1));
        ASSERT_TRUE(list.isOpen());
        const MouseConfig before = config();
        const KeyLabels labelsBefore = labels();
        list.choose(row); // nothing queued: the dialog is cancelled
        ASSERT_FALSE(dialogs.assignmentsOpened.empty());
        EXPECT_EQ(dialogs.assignmentsOpened.back(), function);
        EXPECT_EQ(dialogs.hosts.back().parent, &window());
        EXPECT_FALSE(list.isOpen());
        EXPECT_TRUE(sameBytes(config(), before));
        EXPECT_EQ(labels(), labelsBefore);

        click(bl::keyRow(kRow3 + 1));
        dialogs.assignments.push_back(c.choice);
        list.choose(row);
        EXPECT_FALSE(list.isOpen());
        EXPECT_EQ(config().banks[0].function[kRow3], static_cast<std::uint8_t>(function));
        EXPECT_EQ(labels()[0][kRow3], c.label);
        EXPECT_EQ(labels()[1][kRow3], labelsBefore[1][kRow3]) << "Mode B keeps its label";
    }
    EXPECT_EQ(config().banks[0].mediaCode[kRow3], 0xE9) << "the media row stored its usage";
}

TEST_F(BasicPageTest, DefaultRestoresBothModesAndKeepsModeBEdited) {
    ASSERT_NO_FATAL_FAILURE(start());
    click(bl::kModeB);
    config().banks[0].function[2] = static_cast<std::uint8_t>(ButtonFunction::KeyOff);
    config().banks[1].function[3] = static_cast<std::uint8_t>(ButtonFunction::MacroKey);
    config().dpiSwitchMode[1][5] = static_cast<std::uint8_t>(DpiSwitchVariant::Up);
    labels()[0][2] = "Key Off";
    labels()[1][3] = "Macro Key-Copy";

    click(bl::kDefault);
    const MouseConfig factory = factoryConfig();
    EXPECT_TRUE(sameBytes(config().banks, factory.banks));
    EXPECT_EQ(config().dpiSwitchMode, factory.dpiSwitchMode);
    EXPECT_EQ(labels(), defaultKeyLabels(Language::English));
    EXPECT_EQ(config().activeMode, 1);
    EXPECT_EQ(look(bl::kModeB), kOver) << "Mode B is still shown as the edited one";
    EXPECT_EQ(look(bl::kModeA), kNormal);
}

TEST_F(BasicPageTest, TheLastEnabledStageStaysOnAndDisabledStagesTakeLevelsUnticked) {
    ASSERT_NO_FATAL_FAILURE(start());
    for (std::size_t stage = 1; stage <= 4; ++stage) {
        click(bl::tickBox(stage));
    }
    EXPECT_EQ(config().dpiStageEnabled, (std::array<std::uint8_t, 4>{0, 0, 0, 1}));
    EXPECT_EQ(look(bl::tickBox(4)), kLight);
    EXPECT_EQ(look(bl::tickBox(1)), kDark);

    click(bl::levelCell(2, 5));
    EXPECT_EQ(config().dpiLevel[1], 4);
    EXPECT_EQ(config().dpiStageEnabled[1], 0);
    EXPECT_EQ(look(bl::levelCell(2, 1)), kDark) << "a disabled stage lights no cell";

    click(bl::tickBox(2));
    EXPECT_EQ(config().dpiStageEnabled[1], 1);
    EXPECT_EQ(look(bl::levelCell(2, 5)), kLight);
    EXPECT_EQ(look(bl::levelCell(2, 6)), kDark);
}

TEST_F(BasicPageTest, OnlyAnEnabledStagesSwatchPicksAColour) {
    ASSERT_NO_FATAL_FAILURE(start());
    const auto before = config().dpiColor;
    click(bl::tickBox(2));
    ASSERT_EQ(config().dpiStageEnabled[1], 0);
    dialogs.colours.push_back(QColor(1, 2, 3));
    click(bl::colourSwatch(2));
    EXPECT_TRUE(dialogs.coloursOpened.empty()) << "a disabled stage opens no picker";
    EXPECT_EQ(config().dpiColor, before);

    dialogs.colours.clear();
    dialogs.colours.push_back(QColor(0x12, 0x34, 0x56));
    click(bl::colourSwatch(3));
    EXPECT_EQ(dialogs.coloursOpened, std::vector<QColor>{QColor(Qt::black)});
    EXPECT_EQ(config().dpiColor[2], (std::array<std::uint8_t, 3>{0x12, 0x34, 0x56}));
    EXPECT_EQ(page().swatch(3)->palette().color(QPalette::Window), QColor(0x12, 0x34, 0x56));

    click(bl::colourSwatch(3)); // cancelled
    EXPECT_EQ(dialogs.coloursOpened.size(), 2U);
    EXPECT_EQ(config().dpiColor[2], (std::array<std::uint8_t, 3>{0x12, 0x34, 0x56}));
}

TEST_F(BasicPageTest, AnUnknownReportRateShowsAt1000HzAndCellsStoreTheirCodes) {
    MouseConfig record = factoryConfig();
    record.reportRate = 0;
    ASSERT_NO_FATAL_FAILURE(start(record));
    const auto litPositions = [this] {
        std::vector<std::size_t> lit;
        for (std::size_t position = 1; position <= bl::kRateCellCount; ++position) {
            if (look(bl::rateCell(position)) == kLight) {
                lit.push_back(position);
            }
        }
        return lit;
    };
    EXPECT_EQ(litPositions(), std::vector<std::size_t>{4});
    EXPECT_EQ(config().reportRate, 0) << "showing is not storing";

    const std::array<std::pair<std::size_t, std::uint8_t>, 4> cells{{{1, 8}, {2, 4}, {3, 2}, {4, 1}}};
    for (const auto& [position, code] : cells) {
        click(bl::rateCell(position));
        EXPECT_EQ(config().reportRate, code) << position;
        EXPECT_EQ(litPositions(), std::vector<std::size_t>{position});
    }
}

struct LightingCase {
    const char* name;
    std::uint8_t mode;
    std::array<std::uint8_t, 3> levels;
    std::uint8_t option2;
    std::uint8_t option3;
    std::array<QString, 3> shown; // Mode, Parameter, Effect; "<none>" where no field exists
};

void PrintTo(const LightingCase& c, std::ostream* out) {
    *out << c.name;
}

class BasicPageLightingTest : public BasicPageTest, public ::testing::WithParamInterface<LightingCase> {};

TEST_P(BasicPageLightingTest, FieldsShowTheRecordsModeParameterAndEffect) {
    const LightingCase& c = GetParam();
    MouseConfig record = factoryConfig();
    record.ledMode = c.mode;
    record.ledLevel = c.levels;
    record.ledOption2 = c.option2;
    record.ledOption3 = c.option3;
    ASSERT_NO_FATAL_FAILURE(start(record));
    EXPECT_EQ(fieldText(Field::Mode), c.shown[0]);
    EXPECT_EQ(fieldText(Field::Parameter), c.shown[1]);
    EXPECT_EQ(fieldText(Field::Effect), c.shown[2]);
}

INSTANTIATE_TEST_SUITE_P(
    BasicPageLighting, BasicPageLightingTest,
    ::testing::Values(LightingCase{"Respiration", 2, {5, 2, 15}, 2, 2, {"Respiration", "6S", "RGB Flash"}},
                      LightingCase{"StandardForeignLevel", 1, {12, 2, 15}, 2, 2, {"Standard", "", "RGB Effect"}},
                      LightingCase{"Neon", 3, {5, 2, 29}, 1, 3, {"Neon", "15S", "RGB Fixed On"}},
                      LightingCase{"Off", 0, {5, 2, 15}, 1, 2, {"Off", "<none>", "<none>"}}),
    [](const ::testing::TestParamInfo<LightingCase>& param) { return std::string(param.param.name); });

TEST_F(BasicPageTest, ModeOffHasNoParameterOrEffectUntilAModeIsChosen) {
    MouseConfig record = factoryConfig();
    record.ledMode = 0;
    ASSERT_NO_FATAL_FAILURE(start(record));
    LightingSection& lighting = page().lighting();
    click(ll::kParameter.click);
    EXPECT_FALSE(lighting.isOpen(Field::Parameter));
    EXPECT_EQ(lighting.valueField(Field::Parameter), nullptr);

    click(ll::kMode.click);
    ASSERT_TRUE(lighting.isOpen(Field::Mode));
    ASSERT_TRUE(chooseText(lighting.list(Field::Mode), "Respiration"));
    EXPECT_EQ(config().ledMode, 2);
    EXPECT_EQ(fieldText(Field::Mode), "Respiration");
    EXPECT_EQ(fieldText(Field::Parameter), "6S");
    EXPECT_EQ(fieldText(Field::Effect), "RGB Effect");
}

TEST_F(BasicPageTest, NeonStoresTheChosenPeriodAndEffect) {
    ASSERT_NO_FATAL_FAILURE(start());
    LightingSection& lighting = page().lighting();
    click(ll::kMode.click);
    ASSERT_TRUE(chooseText(lighting.list(Field::Mode), "Neon"));
    ASSERT_EQ(config().ledMode, 3);

    click(ll::kParameter.click);
    ASSERT_TRUE(chooseText(lighting.list(Field::Parameter), "15S"));
    EXPECT_EQ(config().ledLevel[2], 29);
    EXPECT_FALSE(lighting.isOpen(Field::Parameter));
    EXPECT_EQ(fieldText(Field::Parameter), "15S");

    click(ll::kEffect.click);
    ASSERT_TRUE(chooseText(lighting.list(Field::Effect), "RGB Fixed On"));
    EXPECT_EQ(config().ledOption3, 3);
    EXPECT_EQ(fieldText(Field::Effect), "RGB Fixed On");
    EXPECT_EQ(config().ledLevel[0], factoryConfig().ledLevel[0]) << "Standard keeps its own level";
}

TEST_F(BasicPageTest, StandardsEffectOpensNoListAndAClickElsewhereClosesTheParameterList) {
    ASSERT_NO_FATAL_FAILURE(start());
    LightingSection& lighting = page().lighting();
    const MouseConfig before = config();
    click(ll::kEffect.click);
    EXPECT_FALSE(lighting.list(Field::Effect).isOpen());
    EXPECT_EQ(fieldText(Field::Effect), "RGB Effect");

    click(ll::kParameter.click);
    ASSERT_TRUE(lighting.list(Field::Parameter).isOpen());
    clickAt(test::kBesideTheKeyRows);
    EXPECT_FALSE(lighting.isOpen(Field::Parameter));
    EXPECT_TRUE(sameBytes(config(), before));
    EXPECT_EQ(fieldText(Field::Parameter), "55%");
}

TEST_F(BasicPageTest, HoverLightsOneKeyRowAtATimeAndDefaultButNeverTheModeButtons) {
    ASSERT_NO_FATAL_FAILURE(start());
    const auto hoverAt = [this](QPoint p) {
        QTest::mouseMove(&window(), p);
        if (window().hoverTimer().isActive()) {
            window().hoverTimer().stop();
            window().lightAt(p);
        }
    };
    const auto rowElement = [](std::size_t row) {
        return BasicPage::kFirstKeyRowElement + static_cast<int>(row) - 1;
    };

    hoverAt(centre(bl::keyRow(3)));
    EXPECT_TRUE(window().isLit(rowElement(3)));
    EXPECT_EQ(look(bl::keyRow(3)), kOver);
    hoverAt(centre(bl::keyRow(4)));
    EXPECT_TRUE(window().isLit(rowElement(4)));
    EXPECT_FALSE(window().isLit(rowElement(3)));
    EXPECT_EQ(look(bl::keyRow(4)), kOver);
    EXPECT_EQ(look(bl::keyRow(3)), kNormal);

    hoverAt(centre(bl::kDefault));
    EXPECT_TRUE(window().isLit(BasicPage::kDefaultElement));
    EXPECT_EQ(look(bl::kDefault), kOver);

    hoverAt(centre(bl::kModeB));
    EXPECT_FALSE(window().isLit(BasicPage::kDefaultElement));
    EXPECT_FALSE(window().isLit(rowElement(4)));
    EXPECT_EQ(look(bl::kModeB), kNormal) << "Mode B is not edited and has no hover look";

    // The pointer rests on a page button and clicks it: the new page starts with nothing lit.
    hoverAt(centre(bl::keyRow(3)));
    for (const FrameButton pageButton : {FrameButton::NextPage, FrameButton::PreviousPage}) {
        hoverAt(centre(frameRect(pageButton)));
        ASSERT_TRUE(window().isLit(pageButton));
        click(frameRect(pageButton));
        EXPECT_FALSE(window().isLit(pageButton));
    }
    ASSERT_EQ(window().currentPage(), MainWindow::PageShown::Basic);
    for (std::size_t row = 1; row <= bl::kKeyRowCount; ++row) {
        EXPECT_FALSE(window().isLit(rowElement(row))) << row;
    }
    EXPECT_EQ(look(bl::keyRow(3)), kNormal);
}

} // namespace
} // namespace q417
