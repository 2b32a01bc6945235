#include "config/config_file.h"
#include "config/factory_defaults.h"
#include "ctl/ctl.h"
#include "device/report_queue.h"
#include "support/hid_descriptors.h"
#include "support/recording_sleeper.h"
#include "support/scripted_hid_system.h"
#include "support/scripted_monitor.h"
#include "support/synced_output.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <thread>

namespace q417 {
namespace {

using test::hidrawChange;
using test::ScriptedHidSystem;
using Kind = DeviceChange::Kind;

constexpr const char* kMouseHid = "0003:04D9:A09F.0007";

// `q417ctl watch` running on a thread of its own over scripted interfaces and a scripted monitor,
// as it runs until interrupted; the test ends it through its stop descriptor.
class CtlWatch : public ::testing::Test {
protected:
    void SetUp() override {
        dir.write("config.bin", configFileBytes(factoryConfig(), 0));
        plugIn();
        watch = std::thread([this] {
            code = runCtl({"--data-dir", dir.path().string(), "watch"}, out.stream(), err.stream(),
                          {.sleeper = &sleeper, .hidSystem = &system, .monitor = &monitor, .stopFd = stop.pollFd()});
        });
    }
    void TearDown() override { end(); }
    void end() {
        if (watch.joinable()) {
            stop.push(std::array<std::uint8_t, 1>{1});
            watch.join();
        }
    }

    void plugIn() {
        system.setNodes({ScriptedHidSystem::mouseNode("/dev/hidraw2", test::eventCollection()),
                         ScriptedHidSystem::mouseNode("/dev/hidraw3", test::controlCollection(), &firmware)});
    }
    void mouseEvent(std::uint8_t kind, std::uint8_t value) {
        system.pushReport("/dev/hidraw2", {6, kind, 0, value, 0, 0, 0, 0});
    }

    test::TempDir dir;
    test::RecordingSleeper sleeper; // the watch thread's alone
    SimulatedMouse firmware;        // the watch thread's alone
    ScriptedHidSystem system;
    test::ScriptedMonitor monitor;
    ReportQueue stop;
    test::SyncedOutput out;
    test::SyncedOutput err;
    int code = -1;
    std::thread watch;
};

TEST_F(CtlWatch, PrintsALinePerStatusEventArrivalAndRemovalUntilStopped) {
    ASSERT_TRUE(out.waitFor("The system detect the gaming mouse.\n"));
    mouseEvent(7, 2);
    ASSERT_TRUE(out.waitFor("Switch DPI into the second stage 1250\n"));
    mouseEvent(5, 3); // no balloon for that rate code
    ASSERT_TRUE(out.waitFor("event kind 5, value 3\n"));

    system.unplug("/dev/hidraw2");
    system.unplug("/dev/hidraw3");
    monitor.queue(hidrawChange(Kind::Removal, kMouseHid, "hidraw2"));
    monitor.queue(hidrawChange(Kind::Arrival, "0003:046D:C077.0001", "hidraw4")); // another device
    ASSERT_TRUE(out.waitFor("The system did not detect the gaming mouse!\n"));

    plugIn();
    monitor.queue(hidrawChange(Kind::Arrival, kMouseHid, "hidraw3"));
    ASSERT_TRUE(out.waitFor("arrival /dev/hidraw3\nThe system detect the gaming mouse.\n"));
    mouseEvent(9, 3);
    ASSERT_TRUE(out.waitFor("Switch to macro key3\n"));

    end();
    EXPECT_EQ(code, kExitOk) << err.text();
    EXPECT_EQ(out.text(), "The system detect the gaming mouse.\n"
                          "Switch DPI into the second stage 1250\n"
                          "event kind 5, value 3\n"
                          "removal /dev/hidraw2\n"
                          "The system did not detect the gaming mouse!\n"
                          "arrival /dev/hidraw3\n"
                          "The system detect the gaming mouse.\n"
                          "Switch to macro key3\n");
    EXPECT_EQ(err.text(), "");
    EXPECT_EQ(system.openHandleCount(), 0U) << "everything opened is closed at the end";
}

} // namespace
} // namespace q417
