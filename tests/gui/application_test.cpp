#include "app/application.h"
#include "config/factory_defaults.h"
#include "device/sim_state.h"
#include "program_seams.h"
#include "screenshots.h"
#include "support/scripted_hid_system.h"
#include "support/scripted_monitor.h"
#include "support/temp_dir.h"
#include "texts/button_labels.h"
#include "window_points.h"

#include <QDialog>
#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <iostream>
#include <sstream>

namespace q417 {
namespace {

// The tray program on a data folder as the build lays it out, with every outside effect recorded.
class ApplicationTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir.write("config.bin", configFileBytes(factoryConfig(), 1));
        dir.write("str.ini", factoryUiSettingsText());
    }

    Application& start(bool simulate = true, bool trayAvailable = true) {
        GuiOptions options;
        options.dataDir = dir.path();
        options.device.simulate = simulate;
        app = std::make_unique<Application>(options, seams(trayAvailable));
        EXPECT_TRUE(app->start());
        return *app;
    }
    Application::Seams seams(bool trayAvailable) {
        program.balloons = &balloons;
        return program.seams(trayAvailable);
    }
    MainWindow& window() { return app->window(); }
    std::string savedConfig() const { return dir.read("config.bin"); }

    test::TempDir dir;
    test::ProgramSeams program;
    test::RecordingMessages& messages = program.messages;
    test::ScriptedDialogs& dialogs = program.dialogs;
    test::RecordingBalloons balloons;
    test::MemoryPointerSettings& pointer = program.pointer;
    std::unique_ptr<Application> app;
    test::ScriptedHidSystem noMouse;
    test::ScriptedMonitor monitor;
};

TEST_F(ApplicationTest, StartsHiddenInTheTrayWithTheMouseReadyAndThePageBuilt) {
    start();
    EXPECT_FALSE(window().isVisible());
    EXPECT_TRUE(app->device().deviceReady());
    EXPECT_TRUE(window().basicPageInitialised());
    EXPECT_EQ(window().currentPage(), MainWindow::PageShown::Basic);
    ASSERT_EQ(balloons.shown.size(), 1U);
    EXPECT_EQ(balloons.shown[0], (test::RecordingBalloons::Shown{"The system detect the gaming mouse.", "Info", 5000}));
    EXPECT_EQ(window().windowFlags() & Qt::Tool, Qt::Tool) << "no taskbar entry while a tray exists";
}

TEST_F(ApplicationTest, WithoutAMouseTheTrayClickOnlyRepeatsTheWarning) {
    start(false);
    EXPECT_FALSE(app->device().deviceReady());
    EXPECT_FALSE(window().basicPageInitialised());
    emit app->tray().leftClicked();
    EXPECT_FALSE(window().isVisible());
    ASSERT_EQ(balloons.shown.size(), 2U);
    for (const auto& b : balloons.shown) {
        EXPECT_EQ(b, (test::RecordingBalloons::Shown{"The system did not detect the gaming mouse!", "Warning", 5000}));
    }
}

TEST_F(ApplicationTest, TrayClickShowsTheWindowAndEnterOrEscapeHidesIt) {
    start();
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        emit app->tray().leftClicked();
        ASSERT_TRUE(window().isVisible());
        QTest::keyClick(&window(), key);
        EXPECT_FALSE(window().isVisible()) << key;
    }
    window().show();
    window().close();
    EXPECT_FALSE(window().isVisible()) << "a close request only hides";
}

TEST_F(ApplicationTest, OkAndApplyDoNothingWhileTheMouseIsNotReady) {
    start(false);
    const std::string before = savedConfig();
    window().show();
    for (const QPoint p : {test::kWindowOk, test::kWindowApply}) {
        window().dispatchClick(p);
    }
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(savedConfig(), before);
    EXPECT_EQ(pointer.applyCount(), 0);
}

TEST_F(ApplicationTest, ApplyWritesTheMouseAndKeepsTheWindowOkAlsoHidesIt) {
    start();
    emit app->tray().leftClicked();
    app->model().config().reportRate = 2;
    window().dispatchClick(test::kWindowApply);
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(app->device().simulatedMouse()->memory().reportRate, 2);
    EXPECT_EQ(app->model().savedConfig().reportRate, 2);
    EXPECT_EQ(static_cast<std::uint8_t>(savedConfig()[1 + offsetof(MouseConfig, reportRate)]), 2);
    EXPECT_EQ(pointer.applyCount(), 1);

    window().dispatchClick(test::kWindowOk);
    EXPECT_FALSE(window().isVisible());
    EXPECT_EQ(pointer.applyCount(), 2);
}

TEST_F(ApplicationTest, CancelRestoresTheSnapshotAndTheNextTrayClickRebuildsThePage) {
    start();
    emit app->tray().leftClicked();
    app->model().config().reportRate = 8;
    window().dispatchClick(test::kWindowCancel);
    EXPECT_FALSE(window().isVisible());
    EXPECT_EQ(app->model().config().reportRate, 1);
    EXPECT_TRUE(app->model().cancelPending());
    emit app->tray().leftClicked();
    EXPECT_FALSE(app->model().cancelPending());
    EXPECT_TRUE(window().isVisible());
}

TEST_F(ApplicationTest, FrameClicksFollowTheirOrder) {
    start();
    emit app->tray().leftClicked();
    // OK and Apply share the column x = 666: OK applies and hides, then Apply applies again.
    window().dispatchClick({666, 630});
    EXPECT_EQ(pointer.applyCount(), 2);
    EXPECT_FALSE(window().isVisible());

    window().dispatchClick({80, 70});
    EXPECT_EQ(window().currentPage(), MainWindow::PageShown::Advanced);
    window().dispatchClick({30, 70});
    EXPECT_EQ(window().currentPage(), MainWindow::PageShown::Basic);

    emit app->tray().leftClicked();
    window().dispatchClick({830, 10});
    EXPECT_FALSE(window().isVisible()) << "minimise hides to the tray";

    int finished = -1;
    QObject::connect(app.get(), &Application::finished, [&finished](int code) { finished = code; });
    window().dispatchClick(test::kBesideTheKeyRows);
    EXPECT_EQ(finished, -1);
    window().dispatchClick({855, 10});
    EXPECT_EQ(finished, 0) << "the close button ends the program";
}

TEST_F(ApplicationTest, WebLinkOpensTheMakersAddress) {
    start();
    QString opened;
    window().setUrlOpener([&opened](const QString& url) { opened = url; });
    window().dispatchClick({400, 605});
    EXPECT_EQ(opened, "www.tarvell.example");
}

TEST_F(ApplicationTest, TrayExitEndsTheProgramAndWritesTheSimulatedMouseBack) {
    GuiOptions options;
    options.dataDir = dir.path();
    options.device.simState = dir / "mouse.json";
    app = std::make_unique<Application>(options, seams(true));
    ASSERT_TRUE(app->start());
    int finished = -1;
    QObject::connect(app.get(), &Application::finished, [&finished](int code) { finished = code; });
    emit app->tray().exitChosen();
    EXPECT_EQ(finished, 0);
    EXPECT_TRUE(std::filesystem::exists(dir / "mouse.json"));
}

// The simulated mouse's state or the trace could be lost at exit without a word.
TEST_F(ApplicationTest, ExitSaysWhenTheSimulatedMouseOrTheTraceCouldNotBeKept) {
    std::filesystem::create_directories(dir / "state");
    GuiOptions options;
    options.dataDir = dir.path();
    options.device.simState = dir / "state" / "mouse.json";
    options.device.trace = "/dev/full";
    app = std::make_unique<Application>(options, seams(true));
    ASSERT_TRUE(app->start());
    std::filesystem::remove_all(dir / "state");
    std::ostringstream log;
    std::streambuf* const cerr = std::cerr.rdbuf(log.rdbuf());
    emit app->tray().exitChosen();
    std::cerr.rdbuf(cerr);
    EXPECT_NE(log.str().find("Tarvell-Q417: simulator state not kept: cannot write " +
                             (dir / "state" / "mouse.json").string()),
              std::string::npos)
        << log.str();
    EXPECT_NE(log.str().find("Tarvell-Q417: cannot write the trace to /dev/full"), std::string::npos) << log.str();
}

TEST_F(ApplicationTest, HoverLightsOneOfThePartnersAtATime) {
    start();
    emit app->tray().leftClicked();
    const auto hoverAt = [this](QPoint p) {
        QTest::mouseMove(&window(), p);
        if (window().hoverTimer().isActive()) {
            window().hoverTimer().stop();
            window().lightAt(p);
        }
    };
    hoverAt(test::kWindowOk);
    EXPECT_TRUE(window().isLit(FrameButton::Ok));
    hoverAt({666, 630});
    EXPECT_TRUE(window().isLit(FrameButton::Ok)) << "the shared column belongs to OK first";
    hoverAt(test::kWindowApply);
    EXPECT_TRUE(window().isLit(FrameButton::Apply));
    EXPECT_FALSE(window().isLit(FrameButton::Ok));
    hoverAt(test::kBesideTheKeyRows);
    EXPECT_FALSE(window().isLit(FrameButton::Apply));
}

TEST_F(ApplicationTest, AHoverLeavesNoTraceOnceThePointerMovesOff) {
    std::filesystem::create_directories(dir / "Skins");
    std::filesystem::copy(test::kSkinsRoot / "Default", dir / "Skins" / "Default",
                          std::filesystem::copy_options::recursive);
    start();
    emit app->tray().leftClicked();
    // Frame buttons with and without captions, a page button, a key row and the page's Default.
    for (const QPoint p : {test::kWindowOk, QPoint(859, 14), QPoint(30, 70), QPoint(300, 255), QPoint(350, 560)}) {
        const QImage before = window().canvas().copy();
        QTest::mouseMove(&window(), p); // the pointer comes to rest on the element
        window().hoverTimer().stop();
        window().lightAt(p);
        EXPECT_NE(window().canvas(), before) << p.x() << ',' << p.y() << " lights";
        QTest::mouseMove(&window(), test::kBesideTheKeyRows);
        EXPECT_EQ(window().canvas(), before) << p.x() << ',' << p.y() << " is back as it was";
    }
}

TEST_F(ApplicationTest, MouseEventsBecomeBalloonsInTheUsersLanguage) {
    start();
    balloons.shown.clear();
    window().deviceStatus(DeviceStatusCode::ReportRateSwitched, 3);
    EXPECT_TRUE(balloons.shown.empty()) << "report rate code 3 does not exist";
    window().deviceStatus(DeviceStatusCode::KeyMatrixSwitched, 2);
    ASSERT_EQ(balloons.shown.size(), 1U);
    EXPECT_EQ(balloons.shown[0].text, "Switch to key matrix 2");
    EXPECT_EQ(balloons.shown[0].timeoutMs, 5000);
}

// A str.ini whose skin cannot be used gave an all-black window without a close button: the window
// now takes a skin that exists, with a readable colour, and says once what was wrong.
TEST_F(ApplicationTest, AnUnusableSkinOrStrIniFallsBackToTheDefaultSkinAndSaysSo) {
    struct Case {
        const char* name;
        std::optional<std::string> strIni; // nothing: no str.ini at all
        std::string said;                  // the start of the one message
    };
    const Case cases[] = {
        {"skin missing", "[Skins]\nLan=EN\nRColor=230\nGColor=230\nBColor=230\nPath=Gone\n", "The skin \"Gone\""},
        {"path out of Skins", "[Skins]\nRColor=1\nGColor=1\nBColor=1\nPath=../../../../etc\n", "The skin path"},
        {"no str.ini", std::nullopt, (dir / "str.ini").string() + " is missing."},
        {"empty str.ini", "", (dir / "str.ini").string() + " holds no interface colour."},
    };
    test::copyBuiltSkins(dir.path());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(dir / "str.ini");
        if (c.strIni) {
            dir.write("str.ini", *c.strIni);
        }
        messages.messages.clear();
        start();
        EXPECT_EQ(window().skinFolder(), dir / "Skins" / "Default");
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_EQ(messages.messages.front().text.rfind(c.said, 0), 0u) << messages.messages.front().text;
        EXPECT_EQ(messages.messages.front().caption, "Warning");
        window().rebuildCurrentPage();
        EXPECT_EQ(messages.messages.size(), 1u) << "said once";
        app.reset();
    }
}

TEST_F(ApplicationTest, SkinsDialogConfirmedWritesTheSkinAndShowsTheWindowCancelChangesNothing) {
    test::copyBuiltSkins(dir.path());
    start();
    const std::string before = dir.read("str.ini");
    window().dispatchClick({705, 10}); // cancelled
    EXPECT_EQ(dir.read("str.ini"), before);
    EXPECT_FALSE(window().isVisible());
    EXPECT_EQ(dialogs.skinsOpened, std::vector<std::string>{"Default"});

    dialogs.skins.push_back(SkinChoice{dir / "Skins" / "Ember", "Ember", {44, 0, 1}});
    window().dispatchClick({705, 10});
    EXPECT_TRUE(window().isVisible()) << "a confirmed skin is shown at once";
    EXPECT_EQ(window().skinFolder().filename(), "Ember");
    const std::string after = dir.read("str.ini");
    EXPECT_NE(after.find("Path=Ember"), std::string::npos) << after;
    EXPECT_NE(after.find("RColor=44"), std::string::npos) << after;
}

TEST_F(ApplicationTest, TheFirstPageBuildReadsTheSensorSoApplyUsesItsDpiTable) {
    // A kind-2 sensor: its default levels 1, 3, 5, 7 encode as 04 08 26 2a, whatever config.bin held.
    SimulatedMouseMemory memory = factoryMouseMemory();
    memory.sensorBlock[0] = 2;
    ASSERT_TRUE(saveSimState(dir / "mouse.json", memory).ok());
    MouseConfig config = factoryConfig();
    config.dpiLevel = {0, 0, 0, 0};
    dir.write("config.bin", configFileBytes(config, 1));
    GuiOptions options;
    options.dataDir = dir.path();
    options.device.simState = dir / "mouse.json";
    app = std::make_unique<Application>(options, seams(true));
    ASSERT_TRUE(app->start());

    EXPECT_EQ(app->device().image().sensorKind, 2);
    EXPECT_EQ(app->model().config().dpiLevel, (std::array<std::uint8_t, 4>{1, 3, 5, 7}));
    EXPECT_EQ(window().basicPage()->cellCount(), 8U);
    emit app->tray().leftClicked();
    window().dispatchClick(test::kWindowApply);
    const auto& stages = app->device().simulatedMouse()->memory().dpiStages;
    EXPECT_EQ((std::array<std::uint8_t, 4>{stages[0], stages[1], stages[2], stages[3]}),
              (std::array<std::uint8_t, 4>{0x04, 0x08, 0x26, 0x2a}));
}

TEST_F(ApplicationTest, AFirstRunGivesEveryButtonItsDefaultLabelAndSavesThem) {
    dir.write("config.bin", configFileBytes(factoryConfig(), 0));
    start();
    const KeyLabels& labels = app->model().labels();
    for (const auto& mode : labels) {
        EXPECT_EQ(mode[0], "Left Click");
        EXPECT_EQ(mode[5], "DPI Loop");
        EXPECT_EQ(mode[8], "Combo Key-left Win+D");
        EXPECT_EQ(mode[11], "Key Off");
    }
    EXPECT_EQ(readButtonLabels(IniFile(dir / "str.ini"), Language::English), labels);
}

TEST_F(ApplicationTest, AfterCancelTheTrayClickRereadsTheLabelsButNotLanguageColourOrSkin) {
    start();
    emit app->tray().leftClicked();
    window().dispatchClick(test::kWindowCancel);
    // Someone edits str.ini while the program runs.
    dir.write("str.ini", "[Skins]\nLan=CHS\nRColor=1\nGColor=2\nBColor=3\nPath=Ember\n[Setting-CHS]\nItem1=Button one\n"
                         "[Setting-EN]\nItem1=First button\n");
    const UiSettings before = app->model().ui();
    emit app->tray().leftClicked();
    const UiSettings& after = app->model().ui();
    EXPECT_EQ(after.language, before.language);
    EXPECT_EQ(after.textColour, before.textColour);
    EXPECT_EQ(after.skinName, before.skinName);
    EXPECT_EQ(after.labels[0][0], "First button") << "the labels of the run's own language";
    balloons.shown.clear();
    window().deviceStatus(DeviceStatusCode::KeyMatrixSwitched, 1);
    ASSERT_EQ(balloons.shown.size(), 1U);
    EXPECT_EQ(balloons.shown[0].text, "Switch to key matrix 1") << "balloons keep the run's language";
}

TEST_F(ApplicationTest, WithoutATrayTheWindowShowsAtStartAndHidingMinimises) {
    start(true, false);
    EXPECT_TRUE(window().isVisible());
    EXPECT_FALSE(window().windowFlags().testFlag(Qt::Tool)) << "a taskbar entry to come back by";
    // The link and the page follow the first frame.
    EXPECT_TRUE(QTest::qWaitFor([this] { return window().basicPageInitialised(); }, 10'000));
    EXPECT_TRUE(app->device().deviceReady());
    QTest::keyClick(&window(), Qt::Key_Escape);
    EXPECT_TRUE(window().isMinimized());
}

} // namespace
} // namespace q417
