#include "app/application.h"
#include "config/factory_defaults.h"
#include "program_seams.h"
#include "screenshots.h"
#include "support/hid_descriptors.h"
#include "support/memory_pointer_settings.h"
#include "support/recording_messages.h"
#include "support/recording_sleeper.h"
#include "support/scripted_hid_system.h"
#include "support/scripted_monitor.h"
#include "support/temp_dir.h"

#include <QTest>
#include <gtest/gtest.h>

namespace q417 {
namespace {

constexpr const char* kDetected = "The system detect the gaming mouse.";
constexpr const char* kNotDetected = "The system did not detect the gaming mouse!";

// The tray program over the real mouse back end: scripted hidraw nodes whose control side a
// simulated mouse answers, and a scripted udev monitor. The event loop runs as in the program.
class MouseLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir.write("config.bin", configFileBytes(factoryConfig(), 1));
        dir.write("str.ini", factoryUiSettingsText());
    }
    void start(bool trayAvailable = true) {
        Application::Seams seams;
        seams.messages = &messages;
        seams.balloons = &balloons;
        seams.sleeper = &sleeper;
        seams.trayAvailable = trayAvailable;
        seams.hidSystem = &system;
        seams.monitor = &monitor;
        seams.pointer = &pointer; // never the desktop's own
        GuiOptions options;
        options.dataDir = dir.path();
        app = std::make_unique<Application>(options, seams);
        ASSERT_TRUE(app->start());
    }
    void plugIn() {
        system.setNodes({test::ScriptedHidSystem::mouseNode("/dev/hidraw2", test::eventCollection()),
                         test::ScriptedHidSystem::mouseNode("/dev/hidraw3", test::controlCollection(), &firmware)});
        monitor.queue(
            {DeviceChange::Kind::Arrival, "/devices/usb1/0003:04D9:A09F.0007/hidraw/hidraw3", "/dev/hidraw3"});
    }
    void pullOut() {
        system.unplug("/dev/hidraw2");
        system.unplug("/dev/hidraw3");
        monitor.queue(
            {DeviceChange::Kind::Removal, "/devices/usb1/0003:04D9:A09F.0007/hidraw/hidraw3", "/dev/hidraw3"});
    }
    // Lets the event loop run until the balloon count reaches `count` (or a generous limit passes).
    bool balloonsReach(std::size_t count) {
        return QTest::qWaitFor([&] { return balloons.shown.size() >= count; }, 10'000);
    }

    test::TempDir dir;
    test::MemoryPointerSettings pointer;
    SimulatedMouse firmware;
    test::ScriptedHidSystem system;
    test::ScriptedMonitor monitor;
    test::RecordingMessages messages;
    test::RecordingBalloons balloons;
    test::RecordingSleeper sleeper;
    std::unique_ptr<Application> app;
};

TEST_F(MouseLinkTest, PlugInMouseEventsAndPullOutReachTheUser) {
    start();
    EXPECT_FALSE(app->device().deviceReady());
    ASSERT_EQ(balloons.texts(), std::vector<std::string>{kNotDetected});

    plugIn();
    ASSERT_TRUE(balloonsReach(2));
    EXPECT_EQ(balloons.shown[1].text, kDetected);
    EXPECT_TRUE(app->device().deviceReady());

    // The mouse's own DPI button: an event report on the event collection, read by the reader thread.
    system.pushReport("/dev/hidraw2", {6, 7, 0, 2, 0, 0, 0, 0});
    system.pushReport("/dev/hidraw2", {6, 6, 0, 2, 0, 0, 0, 0}); // kind 6 is not for the user
    system.pushReport("/dev/hidraw2", {6, 8, 0, 1, 0, 0, 0, 0});
    ASSERT_TRUE(balloonsReach(4));
    EXPECT_EQ(balloons.shown[2].text.rfind("Switch DPI into the second stage ", 0), 0U) << balloons.shown[2].text;
    EXPECT_EQ(balloons.shown[3].text, "Switch to key matrix 1");

    emit app->tray().leftClicked();
    EXPECT_TRUE(app->window().isVisible());
    pullOut();
    ASSERT_TRUE(balloonsReach(5));
    EXPECT_EQ(balloons.shown[4].text, kNotDetected);
    EXPECT_FALSE(app->device().deviceReady());
    EXPECT_FALSE(app->window().isVisible()) << "a mouse pulled out hides the window";
}

TEST_F(MouseLinkTest, WithoutATrayOrAMouseTheFrameIsDrawnAndAnArrivalBuildsThePage) {
    std::filesystem::create_directories(dir / "Skins");
    std::filesystem::copy(test::kSkinsRoot / "Default", dir / "Skins" / "Default",
                          std::filesystem::copy_options::recursive);
    start(false);
    ASSERT_TRUE(balloonsReach(1));
    EXPECT_EQ(balloons.shown[0].text, kNotDetected);
    MainWindow& window = app->window();
    ASSERT_TRUE(window.isVisible());
    EXPECT_FALSE(window.basicPageInitialised());
    // The close, minimise and skins buttons are on the bare background.
    const QImage main(QString::fromStdString((dir / "Skins" / "Default" / "main.png").string()));
    ASSERT_FALSE(main.isNull());
    for (const FrameButton button : {FrameButton::Close, FrameButton::Minimise, FrameButton::Skins}) {
        const Rect r = frameRect(button);
        const QImage drawn =
            window.canvas().copy(r.left, r.top, r.width(), r.height()).convertToFormat(QImage::Format_RGB32);
        const QImage bare = main.copy(r.left, r.top, r.width(), r.height()).convertToFormat(QImage::Format_RGB32);
        EXPECT_NE(drawn, bare) << static_cast<int>(button);
    }

    plugIn();
    ASSERT_TRUE(balloonsReach(2));
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.basicPageInitialised(); }, 10'000));
    EXPECT_EQ(window.currentPage(), MainWindow::PageShown::Basic);
}

TEST_F(MouseLinkTest, ExitStopsTheReaderWhileAnEventWaits) {
    plugIn();
    start();
    ASSERT_TRUE(app->device().deviceReady());
    system.pushReport("/dev/hidraw2", {6, 9, 0, 3, 0, 0, 0, 0});
    int finished = -1;
    QObject::connect(app.get(), &Application::finished, [&finished](int code) { finished = code; });
    emit app->tray().exitChosen(); // before the event loop delivered the event
    EXPECT_EQ(finished, 0);
    EXPECT_FALSE(app->reader().running());
}

} // namespace
} // namespace q417
