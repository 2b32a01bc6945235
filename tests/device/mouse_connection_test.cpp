#include "device/hid_mouse.h"
#include "device/mouse_connection.h"
#include "support/hid_descriptors.h"
#include "support/recorded_events.h"
#include "support/recording_messages.h"
#include "support/recording_sleeper.h"
#include "support/recording_status.h"
#include "support/scripted_hid_system.h"
#include "support/scripted_monitor.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace q417 {
namespace {

using test::hidrawChange;
using test::ScriptedHidSystem;
using Kind = DeviceChange::Kind;
using StatusReport = test::RecordingStatus::Message;
using Event = test::RecordedEvents::Event;

constexpr const char* kMouseHid = "0003:04D9:A09F.0007";
const std::vector<StatusReport> kDetected{{DeviceStatusCode::MouseDetected, 0}};
const std::vector<StatusReport> kNotDetected{{DeviceStatusCode::MouseNotDetected, 0}};

// The real mouse back end over scripted interfaces whose control side a simulated mouse answers;
// the test thread plays the user-interface thread, the monitor is scripted.
class MouseConnectionTest : public ::testing::Test {
protected:
    std::vector<ScriptedHidSystem::Node> mouseNodes() {
        return {ScriptedHidSystem::mouseNode("/dev/hidraw1", test::pointerCollection()),
                ScriptedHidSystem::mouseNode("/dev/hidraw2",
                                             test::joined({test::keyboardCollection(1), test::eventCollection()})),
                ScriptedHidSystem::mouseNode("/dev/hidraw3", test::controlCollection(), &firmware)};
    }
    void plugIn() { system.setNodes(mouseNodes()); }
    void pullOut() {
        for (const char* node : {"/dev/hidraw1", "/dev/hidraw2", "/dev/hidraw3"}) {
            system.unplug(node);
        }
    }
    // The event loop's turn: what the monitor has goes to the connection.
    void handleChanges() {
        monitor.processPending([&](const DeviceChange& c) { connection.onDeviceChange(c); });
    }
    void mouseEvent(std::uint8_t kind, std::uint8_t value) {
        system.pushReport("/dev/hidraw2", {6, kind, 0, value, 0, 0, 0, 0});
    }

    SimulatedMouse firmware;
    ScriptedHidSystem system;
    test::ScriptedMonitor monitor;
    test::RecordingMessages messages;
    HidMouse hid{system, messages};
    test::RecordingSleeper sleeper;
    test::RecordingStatus status;
    Transport transport{hid, sleeper, status};
    test::RecordedEvents events;
    EventReader reader{[this] { return transport.deviceReady(); },
                       [this](DeviceStatusCode kind, int value) {
                           events.add(static_cast<int>(kind), value);
                           reader.eventHandled();
                       }};
    int sensorRefreshes = 0;
    int windowHidden = 0;
    MouseConnection connection{hid,
                               transport,
                               reader,
                               status,
                               {[this] { ++sensorRefreshes; },
                                [this] {
                                    ++windowHidden;
                                }}};
};

TEST_F(MouseConnectionTest, StartWithTheMouseThereReadsItsEvents) {
    plugIn();
    EXPECT_EQ(connection.start(), DeviceOpen::Opened);
    EXPECT_EQ(status.messages, kDetected);
    EXPECT_TRUE(reader.running());
    mouseEvent(7, 3);
    ASSERT_TRUE(events.waitForCount(1));
    EXPECT_EQ(events.events(), (std::vector<Event>{{7, 3}}));
    EXPECT_EQ(sensorRefreshes, 0) << "the start refreshes nothing; the page does";
}

TEST_F(MouseConnectionTest, StartWithoutTheMouse) {
    EXPECT_EQ(connection.start(), DeviceOpen::NotFound);
    EXPECT_EQ(status.messages, kNotDetected);
    EXPECT_FALSE(transport.deviceReady());
    EXPECT_FALSE(reader.running()) << "the reader waits for an arrival to start";
}

TEST_F(MouseConnectionTest, AnArrivalConnectsAndStartsTheReader) {
    connection.start();
    plugIn();
    monitor.queue(hidrawChange(Kind::Arrival, kMouseHid, "hidraw3"));
    handleChanges();
    EXPECT_EQ(status.messages, (std::vector<StatusReport>{{DeviceStatusCode::MouseNotDetected, 0},
                                                          {DeviceStatusCode::MouseDetected, 0}}));
    EXPECT_TRUE(transport.deviceReady());
    EXPECT_EQ(sensorRefreshes, 1);
    EXPECT_TRUE(reader.running());
    mouseEvent(5, 2);
    ASSERT_TRUE(events.waitForCount(1));
    EXPECT_EQ(events.events(), (std::vector<Event>{{5, 2}}));
}

TEST_F(MouseConnectionTest, ChangesOfOtherDevicesChangeNothing) {
    plugIn();
    connection.start();
    const int enumerations = system.enumerations();
    monitor.queue(hidrawChange(Kind::Arrival, "0003:046D:C077.0001", "hidraw4"));
    monitor.queue(hidrawChange(Kind::Removal, "0003:04D9:A0A0.0002", "hidraw5"));
    handleChanges();
    EXPECT_EQ(system.enumerations(), enumerations);
    EXPECT_EQ(status.messages, kDetected);
    EXPECT_EQ(windowHidden, 0);
    EXPECT_TRUE(transport.deviceReady());
}

TEST_F(MouseConnectionTest, PullingOutWhileAReadIsPendingLeavesNothingOpen) {
    plugIn();
    connection.start();
    pullOut(); // the pending read fails now, before the monitor has told anyone
    monitor.queue(hidrawChange(Kind::Removal, kMouseHid, "hidraw2"));
    handleChanges();
    EXPECT_EQ(status.messages, (std::vector<StatusReport>{{DeviceStatusCode::MouseDetected, 0},
                                                          {DeviceStatusCode::MouseNotDetected, 0}}));
    EXPECT_EQ(windowHidden, 1);
    EXPECT_FALSE(transport.deviceReady());
    reader.stop();
    EXPECT_EQ(system.openHandleCount(), 0U);
}

TEST_F(MouseConnectionTest, PluggedInAgainTheEventsComeFromTheNewInterface) {
    plugIn();
    connection.start();
    pullOut();
    monitor.queue(hidrawChange(Kind::Removal, kMouseHid, "hidraw2"));
    handleChanges();
    plugIn();
    monitor.queue(hidrawChange(Kind::Arrival, kMouseHid, "hidraw2"));
    handleChanges();
    EXPECT_TRUE(transport.deviceReady());
    mouseEvent(8, 1);
    ASSERT_TRUE(events.waitForCount(1));
    EXPECT_EQ(events.events(), (std::vector<Event>{{8, 1}}));
    EXPECT_EQ(system.openHandleCount(), 2U) << "the handles of the first plug-in are closed";
}

TEST_F(MouseConnectionTest, ARemovalWithAnotherInterfaceLeftRunsTheHandshakeAgain) {
    plugIn();
    connection.start();
    system.unplug("/dev/hidraw1");
    monitor.queue(hidrawChange(Kind::Removal, kMouseHid, "hidraw1"));
    handleChanges();
    EXPECT_EQ(status.messages,
              (std::vector<StatusReport>{{DeviceStatusCode::MouseDetected, 0}, {DeviceStatusCode::MouseDetected, 0}}));
    EXPECT_EQ(windowHidden, 0);
    EXPECT_EQ(sensorRefreshes, 0);
    EXPECT_TRUE(transport.deviceReady());
}

TEST_F(MouseConnectionTest, AMouseThisUserMayNotOpenIsNotReportedAsMissing) {
    auto nodes = mouseNodes();
    nodes[2].openError = EACCES;
    system.setNodes(nodes);
    EXPECT_EQ(connection.start(), DeviceOpen::AccessDenied);
    monitor.queue(hidrawChange(Kind::Arrival, kMouseHid, "hidraw3"));
    handleChanges();
    EXPECT_TRUE(status.messages.empty()) << "no \"did not detect\" balloon";
    EXPECT_EQ(messages.messages.size(), 1U) << "the permission message, once";
    EXPECT_EQ(windowHidden, 1);
    EXPECT_FALSE(transport.deviceReady());
}

} // namespace
} // namespace q417
