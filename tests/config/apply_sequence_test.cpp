#include "config/apply_sequence.h"
#include "config/device_commands.h"
#include "config/factory_defaults.h"
#include "device/simulated_mouse.h"
#include "device/trace.h"
#include "device/transport.h"
#include "support/recording_messages.h"
#include "support/recording_sleeper.h"
#include "support/recording_status.h"
#include "support/temp_dir.h"

#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <numeric>
#include <sstream>

namespace q417 {
namespace {

// A ready simulated mouse behind a traced transport, and a data folder with a factory config.bin.
class ApplySequenceTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir.write("config.bin", configFileBytes(factoryConfig(), 0));
        transport.handshake();
        ASSERT_TRUE(transport.deviceReady());
        DeviceCommands(transport, image).refreshSensorBlock();
        traceText.str("");
        sleeper.pauses.clear();
    }

    ApplyOutcome apply() {
        return applyConfig(config, image, transport, configFile, [this] { ++labelSaves; });
    }

    std::vector<std::string> traceLines(const std::string& prefix) const {
        std::vector<std::string> out;
        std::istringstream in(traceText.str());
        for (std::string line; std::getline(in, line);) {
            if (line.rfind(prefix, 0) == 0) {
                out.push_back(line);
            }
        }
        return out;
    }

    test::TempDir dir;
    SimulatedMouse mouse;
    test::RecordingSleeper sleeper;
    test::RecordingStatus status;
    std::ostringstream traceText;
    TraceSink trace{traceText};
    Transport transport{mouse, sleeper, status, &trace};
    DeviceImage image;
    test::RecordingMessages messages;
    ConfigFile configFile{dir / "config.bin", messages};
    MouseConfig config = factoryConfig();
    int labelSaves = 0;
};

TEST_F(ApplySequenceTest, SendsTheFixedSetOfCommandsWithTheirPauses) {
    ASSERT_TRUE(apply().ok());
    std::map<std::string, int> commands;
    for (const std::string& line : traceLines("SET ")) {
        ++commands[line.substr(4, 2)];
    }
    const std::map<std::string, int> expected{{"01", 1}, {"8d", 1}, {"87", 2},  {"90", 2},  {"10", 2}, {"07", 2},
                                              {"0d", 1}, {"11", 1}, {"13", 12}, {"93", 12}, {"12", 4}};
    EXPECT_EQ(commands, expected);
    EXPECT_EQ(traceLines("OUT ").size(), 59U);
    EXPECT_EQ(std::accumulate(sleeper.pauses.begin(), sleeper.pauses.end(), 0U), 249U);
    EXPECT_EQ(labelSaves, 1);
}

TEST_F(ApplySequenceTest, TheMouseEndsUpHoldingWhatTheRecordEncodes) {
    config.reportRate = 4;
    config.dpiColor[2] = {9, 8, 7};
    config.dpiStageEnabled[3] = 0;
    config.macroSlots[5].setRepeats(3);
    config.macroSlots[5].eventPairs[0] = 0x05;
    config.macroSlots[5].eventPairs[1] = 0x04;
    ASSERT_TRUE(apply().ok());

    const SimulatedMouseMemory& m = mouse.memory();
    EXPECT_EQ(m.reportRate, 4);
    EXPECT_EQ(m.configBlocks[1][6], 9);
    EXPECT_EQ(m.configBlocks[1][8], 7);
    EXPECT_EQ(m.dpiStages, (std::array<std::uint8_t, 8>{0x02, 0x05, 0x08, 0xA7, 0x80, 0x80, 0x80, 0x80}));
    EXPECT_EQ(m.macroSlots[5][1], 3);
    EXPECT_EQ(m.macroSlots[5][2], 0x05);
    EXPECT_EQ(m.keyMatrices[0], image.keyMatrices[0]);
    EXPECT_EQ(m.keyMatrices[2], image.keyMatrices[2]);
    EXPECT_EQ(m.effectBlock, (std::array<std::uint8_t, 3>{1, 6, 2}));
    EXPECT_EQ(m.sensorBlock[3] & 0x40, 0x40) << "the arrival refresh set bit 0x40";

    // The macro slots read back match what was sent.
    EXPECT_EQ(std::memcmp(&image.macroBuffer, &config.macroSlots, sizeof config.macroSlots), 0);
    EXPECT_EQ(dir.read("config.bin"), configFileBytes(config, 1));
}

TEST_F(ApplySequenceTest, LightingOffWritesTheBlocksBackAsRead) {
    const SimulatedMouseMemory before = mouse.memory();
    config.ledMode = 0;
    ASSERT_TRUE(apply().ok());
    EXPECT_EQ(mouse.memory().effectBlock, before.effectBlock);
    EXPECT_EQ(mouse.memory().ledParams, before.ledParams);
    EXPECT_EQ(mouse.memory().configBlocks[0], before.configBlocks[0]);
}

TEST_F(ApplySequenceTest, ApplyingTwiceSendsTheSameBytesAndSavesTheSameFile) {
    ASSERT_TRUE(apply().ok());
    const auto sentFirst = std::pair(traceLines("SET "), traceLines("OUT "));
    const std::string savedFirst = dir.read("config.bin");
    traceText.str("");
    ASSERT_TRUE(apply().ok());
    EXPECT_TRUE(sentFirst == std::pair(traceLines("SET "), traceLines("OUT ")));
    EXPECT_EQ(dir.read("config.bin"), savedFirst);
}

TEST_F(ApplySequenceTest, AMouseThatVanishesHalfWayStillGetsTheFilesSaved) {
    mouse.setPlugged(false);
    const ApplyOutcome outcome = apply();
    EXPECT_TRUE(outcome.saved.ok());
    EXPECT_EQ(outcome.macroSlotsNotStored.size(), 12U) << "no slot could be read back";
    EXPECT_EQ(dir.read("config.bin"), configFileBytes(config, 1));
    EXPECT_EQ(labelSaves, 1);
    EXPECT_EQ(traceLines("OUT ").size(), 59U) << "the sequence never stops early";
}

// The read-back of the macro slots, already part of the sequence, tells which slots the mouse did
// not store; the mouse misbehaves at every pause, so from the slot's write on.
TEST_F(ApplySequenceTest, MacroSlotsTheMouseDidNotStoreAreNamed) {
    struct Case {
        const char* mouse;
        std::function<void(SimulatedMouse&)> atEachPause;
        std::vector<unsigned> notStored;
    };
    const auto lastFrameWrites = [](const SimulatedMouse& m, std::uint8_t slot) {
        return !m.log().frames.empty() && m.log().frames.back()[0] == 0x13 && m.log().frames.back()[1] == slot;
    };
    const std::vector<Case> cases{
        {"keeps every slot", [](SimulatedMouse&) {}, {}},
        {"loses byte 10 of slot 5", [](SimulatedMouse& m) { m.memory().macroSlots[4][10] = 0x44; }, {5}},
        {"empties slots 1 and 12",
         [](SimulatedMouse& m) {
             m.memory().macroSlots[0].fill(0);
             m.memory().macroSlots[11].fill(0);
         },
         {1, 12}},
        {"is pulled out once slot 12 is written",
         [&](SimulatedMouse& m) {
             if (lastFrameWrites(m, 12)) {
                 m.setPlugged(false);
             }
         },
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
    };
    for (std::size_t slot = 0; slot < kMacroSlotCount; ++slot) {
        config.macroSlots[slot].setRepeats(static_cast<std::uint16_t>(slot + 1));
        config.macroSlots[slot].eventPairs[8] = 0x33;
    }
    for (const Case& c : cases) {
        mouse.setPlugged(true);
        SetUp();
        sleeper.onPause = [&](unsigned) {
            c.atEachPause(mouse);
        };
        const ApplyOutcome outcome = apply();
        sleeper.onPause = nullptr;
        EXPECT_EQ(outcome.macroSlotsNotStored, c.notStored) << "a mouse that " << c.mouse;
        EXPECT_TRUE(outcome.saved.ok()) << c.mouse;
        EXPECT_EQ(traceLines("SET 93").size(), 12U) << "no exchange is added";
        traceText.str("");
    }
}

TEST_F(ApplySequenceTest, MissingConfigFileIsReportedAfterTheMouseWasWrittenAndLabelsStillSaved) {
    std::filesystem::remove(dir / "config.bin");
    config.reportRate = 8;
    EXPECT_EQ(apply().saved.kind, ErrorKind::NotFound);
    EXPECT_EQ(mouse.memory().reportRate, 8);
    EXPECT_EQ(labelSaves, 1);
    ASSERT_EQ(messages.messages.size(), 1U);
    EXPECT_EQ(messages.messages[0].text, "Config file is not exist.");
}

} // namespace
} // namespace q417
