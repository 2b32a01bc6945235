#include "config/config_file.h"
#include "config/factory_defaults.h"
#include "ctl/ctl.h"
#include "device/simulated_mouse.h"
#include "support/hid_descriptors.h"
#include "support/recording_sleeper.h"
#include "support/scripted_hid_system.h"
#include "support/temp_dir.h"

#include <cerrno>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <sstream>

namespace q417 {
namespace {

using test::TempDir;

struct CtlResult {
    int code;
    std::string out;
    std::string err;
};

// A data folder as the build lays it out, driven through q417ctl with the simulated mouse or with
// scripted HID interfaces in place of the system's.
class CtlMouseCommands : public ::testing::Test {
protected:
    void SetUp() override {
        dir.write("config.bin", configFileBytes(factoryConfig(), 0));
        dir.write("str.ini", factoryUiSettingsText());
    }
    CtlResult ctl(std::vector<std::string> args) const {
        args.insert(args.begin(), {"--data-dir", dir.path().string()});
        std::ostringstream out;
        std::ostringstream err;
        const int code = runCtl(args, out, err, {.sleeper = &sleeper, .hidSystem = &system});
        return {code, out.str(), err.str()};
    }
    std::vector<std::string> lines(const std::string& name, const std::string& prefix) const {
        std::vector<std::string> out;
        std::istringstream in(dir.read(name));
        for (std::string line; std::getline(in, line);) {
            if (line.rfind(prefix, 0) == 0) {
                out.push_back(line);
            }
        }
        return out;
    }
    // The mouse as the system lists it, its control side answered by `firmware`.
    void plugIn(int controlOpenError = 0) {
        auto control = test::ScriptedHidSystem::mouseNode("/dev/hidraw3", test::controlCollection(), &firmware);
        control.openError = controlOpenError;
        system.setNodes({test::ScriptedHidSystem::mouseNode("/dev/hidraw2", test::eventCollection()), control});
    }

    TempDir dir;
    mutable test::RecordingSleeper sleeper; // no test waits for the mouse's pacing for real
    SimulatedMouse firmware;
    mutable test::ScriptedHidSystem system; // no test reaches the computer's own devices
};

TEST_F(CtlMouseCommands, DetectFindsTheSimulatedMouseReady) {
    const CtlResult r = ctl({"--simulate", "detect"});
    EXPECT_EQ(r.code, kExitOk) << r.err;
    EXPECT_EQ(r.out, "ready, sensor kind 0\n");
}

TEST_F(CtlMouseCommands, WithoutTheSimulatorDetectUsesTheMouseOnTheSystem) {
    struct Case {
        const char* name;
        bool present;
        int openError;
        int code;
        const char* out;
        std::vector<const char*> err; // what the one line on stderr says
    };
    const Case cases[] = {
        {"absent", false, 0, kExitNoMouse, "not found\n", {"was not found"}},
        {"present", true, 0, kExitOk, "ready, sensor kind 2\n", {}},
        {"not ours to open", true, EACCES, kExitNoMouse, "no access\n", {"permission denied", "60-q417-mouse.rules"}},
    };
    firmware.memory().sensorBlock[0] = 2;
    for (const Case& c : cases) {
        system.setNodes({});
        if (c.present) {
            plugIn(c.openError);
        }
        const CtlResult r = ctl({"detect"});
        EXPECT_EQ(r.code, c.code) << c.name;
        EXPECT_EQ(r.out, c.out) << c.name;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), c.err.empty() ? 0 : 1) << c.name << ": " << r.err;
        for (const char* says : c.err) {
            EXPECT_NE(r.err.find(says), std::string::npos) << c.name << ": " << r.err;
        }
    }
}

TEST_F(CtlMouseCommands, WithoutTheSimulatorApplyWritesToTheMouseOnTheSystem) {
    plugIn();
    MouseConfig config = factoryConfig();
    config.reportRate = 4;
    dir.write("config.bin", configFileBytes(config, 0));
    const CtlResult r = ctl({"apply"});
    ASSERT_EQ(r.code, kExitOk) << r.err;
    EXPECT_EQ(firmware.memory().reportRate, 4);
}

TEST_F(CtlMouseCommands, ApplyWritesTheRecordToTheMouseAndSavesTheFiles) {
    const std::string state = (dir / "s.json").string();
    const CtlResult r = ctl({"--sim-state", state, "--trace", (dir / "t.txt").string(), "apply"});
    ASSERT_EQ(r.code, kExitOk) << r.err;

    // Past the handshake and the arrival's sensor block refresh, the apply's own exchanges.
    std::map<std::string, int> sets;
    for (const std::string& line : lines("t.txt", "SET ")) {
        ++sets[line.substr(4, 2)];
    }
    const int shortReads = sets["8d"] + sets["87"];
    const int shortWrites = sets["01"] + sets["07"] + sets["0d"];
    const int longTransfers = sets["90"] + sets["10"] + sets["11"] + sets["12"] + sets["13"] + sets["93"];
    EXPECT_EQ(shortReads, 3);
    EXPECT_EQ(shortWrites, 4);
    EXPECT_EQ(longTransfers, 33);
    EXPECT_EQ(lines("t.txt", "OUT ").size(), 59U);

    SimulatedMouse reloaded;
    ASSERT_TRUE(reloaded.loadState(state).ok());
    const MouseConfig config = factoryConfig();
    EXPECT_EQ(reloaded.memory().keyMatrices[0][2], 0xF0) << "left click in slot 0 of matrix 1";
    EXPECT_EQ(reloaded.memory().keyMatrices[2][4 * 3 + 2], 0x04) << "shift DPI in slot 3 of matrix 3";
    EXPECT_EQ(reloaded.memory().dpiStages[0], 0x02);
    EXPECT_EQ(reloaded.memory().configBlocks[1][0], config.dpiColor[0][0]);
    EXPECT_EQ(reloaded.memory().macroSlots[0], (std::array<std::uint8_t, 128>{}));

    EXPECT_EQ(dir.read("config.bin"), configFileBytes(config, 1));
    EXPECT_EQ(lines("str.ini", "Item").size(), 24U) << "the labels of the language's section are written back";
}

// The whole exchange of an apply of the factory settings to a factory-fresh mouse, byte for byte.
TEST_F(CtlMouseCommands, ApplyTraceMatchesTheGoldenFile) {
    ASSERT_EQ(ctl({"--simulate", "--trace", (dir / "t.txt").string(), "apply"}).code, kExitOk);
    std::ifstream golden(std::string(Q417_TEST_DATA_DIR) + "/apply_factory.trace", std::ios::binary);
    const std::string expected{std::istreambuf_iterator<char>(golden), std::istreambuf_iterator<char>()};
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(dir.read("t.txt"), expected);
}

TEST_F(CtlMouseCommands, ApplyKeepsTheSimulatedMouseBetweenRuns) {
    const std::string state = (dir / "s.json").string();
    ASSERT_EQ(ctl({"--sim-state", state, "apply"}).code, kExitOk);
    MouseConfig config = factoryConfig();
    config.reportRate = 8;
    dir.write("config.bin", configFileBytes(config, 1));
    ASSERT_EQ(ctl({"--sim-state", state, "apply"}).code, kExitOk);
    SimulatedMouse reloaded;
    ASSERT_TRUE(reloaded.loadState(state).ok());
    EXPECT_EQ(reloaded.memory().reportRate, 8);
}

TEST_F(CtlMouseCommands, ApplyNamesTheMacroSlotsTheMouseDidNotStoreAndFails) {
    plugIn();
    MouseConfig config = factoryConfig();
    config.macroSlots[2].setRepeats(1);
    config.macroSlots[6].setRepeats(1);
    dir.write("config.bin", configFileBytes(config, 1));
    // A mouse that forgets slots 3 and 7 as soon as they are written.
    sleeper.onPause = [&](unsigned) {
        firmware.memory().macroSlots[2].fill(0);
        firmware.memory().macroSlots[6].fill(0);
    };
    const CtlResult r = ctl({"apply"});
    EXPECT_EQ(r.code, kExitNoMouse);
    EXPECT_NE(r.err.find("did not store macro slots 3, 7"), std::string::npos) << r.err;
    EXPECT_EQ(dir.read("config.bin"), configFileBytes(config, 1)) << "config.bin is saved all the same";
}

TEST_F(CtlMouseCommands, ApplyRefusesAMissingOrMalformedConfigAndLeavesTheMouseAlone) {
    const std::string state = (dir / "s.json").string();
    dir.write("config.bin", "short");
    CtlResult r = ctl({"--sim-state", state, "apply"});
    EXPECT_EQ(r.code, kExitDataFile);
    EXPECT_FALSE(std::filesystem::exists(state));

    std::filesystem::remove(dir / "config.bin");
    r = ctl({"--sim-state", state, "apply"});
    EXPECT_EQ(r.code, kExitDataFile);
    EXPECT_NE(r.err.find("Config file is not exist."), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(state));
}

TEST_F(CtlMouseCommands, MalformedSimulatorStateIsADataFileError) {
    dir.write("s.json", "{\"reportRate\": \"fast\"");
    const CtlResult r = ctl({"--sim-state", (dir / "s.json").string(), "detect"});
    EXPECT_EQ(r.code, kExitDataFile);
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_EQ(dir.read("s.json"), "{\"reportRate\": \"fast\"") << "a bad state file is not overwritten";
}

TEST_F(CtlMouseCommands, TraceToStandardOutput) {
    const CtlResult r = ctl({"--simulate", "--trace", "-", "detect"});
    ASSERT_EQ(r.code, kExitOk);
    EXPECT_EQ(r.out.rfind("# handshake\nSET 00 aa dd 3b 62 00 00 db\n", 0), 0U) << r.out;
    EXPECT_NE(r.out.find("SLEEP 5\n"), std::string::npos);
}

TEST_F(CtlMouseCommands, MacrosListAndCompile) {
    std::string record;
    for (int i = 0; i < 13; ++i) {
        record += "[m" + std::to_string(i) + "]\nItemCount=2\nItem0=A   Dn\nItem1=50 ms\n";
    }
    dir.write("record.ini", record);
    CtlResult r = ctl({"macros", "list"});
    EXPECT_EQ(r.code, kExitOk);
    EXPECT_EQ(r.out.rfind("slot 1: m0\nslot 2: m1\n", 0), 0U);
    EXPECT_NE(r.out.find("slot 12: m11\nno slot: m12\n"), std::string::npos);

    r = ctl({"macros", "compile"});
    ASSERT_EQ(r.code, kExitOk) << r.err;
    const std::string saved = dir.read("config.bin");
    EXPECT_EQ(saved[0], 0) << "the flag byte is kept";
    const std::size_t slot12 = 1 + offsetof(MouseConfig, macroSlots) + 11 * sizeof(MacroSlot);
    EXPECT_EQ(saved[slot12 + 2], 0x05);
    EXPECT_EQ(saved[slot12 + 3], 0x04);
}

} // namespace
} // namespace q417
