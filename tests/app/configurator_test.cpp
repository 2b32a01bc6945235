#include "app/configurator.h"
#include "config/factory_defaults.h"
#include "support/memory_pointer_settings.h"
#include "support/recording_messages.h"
#include "support/recording_sleeper.h"
#include "support/recording_status.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <sstream>

namespace q417 {
namespace {

using test::TempDir;

// The tray program's model over a data folder and the simulated mouse, ready as after its
// arrival, without any window.
class ConfiguratorTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir.write("str.ini", factoryUiSettingsText());
        std::ostringstream standardOutput;
        DeviceOptions options;
        options.simulate = true;
        ASSERT_TRUE(session.open(options, standardOutput).ok());
        ASSERT_EQ(session.backend().openDevice(), DeviceOpen::Opened);
        session.transport().handshake();
        ASSERT_TRUE(session.deviceReady());
    }
    SimulatedMouseMemory& mouse() { return session.simulatedMouse()->memory(); }

    TempDir dir;
    test::RecordingMessages messages;
    test::RecordingStatus status;
    test::RecordingSleeper sleeper;
    test::MemoryPointerSettings pointer;
    DeviceSession session{status, messages, &sleeper};
    Configurator model{DataPaths(dir.path()), messages, pointer, session};
};

TEST_F(ConfiguratorTest, ADamagedConfigBinStartsFromTheFactorySettingsAndIsKeptAside) {
    const std::string damaged = configFileBytes(factoryConfig(), 1) + "\n";
    dir.write("config.bin", damaged);
    model.load();
    ASSERT_EQ(messages.messages.size(), 1U);
    EXPECT_NE(messages.messages[0].text.find("1987 bytes"), std::string::npos) << messages.messages[0].text;
    ASSERT_TRUE(model.apply());

    EXPECT_EQ(dir.read("config.bin"), configFileBytes(factoryConfig(), 1));
    bool kept = false;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        kept = kept || (entry.path().filename().string().rfind("config.bin.damaged-", 0) == 0 &&
                        dir.read(entry.path().filename().string()) == damaged);
    }
    EXPECT_TRUE(kept);

    // The mouse got what a factory config.bin gives it, not a zero record.
    const auto damagedStages = mouse().dpiStages;
    dir.write("config.bin", configFileBytes(factoryConfig(), 1));
    Configurator fresh{DataPaths(dir.path()), messages, pointer, session};
    fresh.load();
    mouse().dpiStages.fill(0);
    ASSERT_TRUE(fresh.apply());
    EXPECT_EQ(damagedStages, mouse().dpiStages);
}

TEST_F(ConfiguratorTest, TheStartRemovesWhatASaveKilledHalfWayLeftBehind) {
    dir.write("config.bin", configFileBytes(factoryConfig(), 1));
    dir.write(".config.bin.Ab12Cd", "half");
    dir.write(".record.ini.Zz09aB", "half");
    model.load();
    EXPECT_FALSE(std::filesystem::exists(dir / ".config.bin.Ab12Cd"));
    EXPECT_FALSE(std::filesystem::exists(dir / ".record.ini.Zz09aB"));
    EXPECT_TRUE(messages.messages.empty());
}

} // namespace
} // namespace q417
