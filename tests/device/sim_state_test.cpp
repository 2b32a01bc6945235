#include "device/sim_state.h"
#include "device/simulated_mouse.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <numeric>

namespace q417 {
namespace {

// Every area changed, so a round trip that dropped one would show.
SimulatedMouseMemory changedMemory() {
    SimulatedMouseMemory m = factoryMouseMemory();
    std::uint8_t next = 1;
    const auto fillArea = [&next](auto& area) {
        for (auto& b : area) {
            b = next;
            next = static_cast<std::uint8_t>(next * 7 + 3);
        }
    };
    fillArea(m.sensorBlock);
    m.reportRate = 8;
    fillArea(m.effectBlock);
    for (auto& row : m.ledParams) {
        fillArea(row);
    }
    for (auto& row : m.configBlocks) {
        fillArea(row);
    }
    fillArea(m.dpiStages);
    for (auto& row : m.keyMatrices) {
        fillArea(row);
    }
    for (auto& row : m.macroSlots) {
        fillArea(row);
    }
    m.macroSlots[11][127] = 255;
    m.keyMatrices[0][0] = 0;
    return m;
}

std::string byteList(std::size_t n, int value) {
    std::string text = "[";
    for (std::size_t i = 0; i < n; ++i) {
        text += (i ? "," : "") + std::to_string(value);
    }
    return text + "]";
}

TEST(SimState, RoundTripsEveryArea) {
    test::TempDir dir;
    SimulatedMouse saved;
    saved.memory() = changedMemory();
    ASSERT_TRUE(saved.saveState(dir / "sim.json").ok());

    SimulatedMouse loaded;
    const Status status = loaded.loadState(dir / "sim.json");
    ASSERT_TRUE(status.ok()) << status.message;
    EXPECT_EQ(loaded.memory(), changedMemory());
}

TEST(SimState, SavingReplacesTheFileAndLeavesNothingBehind) {
    test::TempDir dir;
    dir.write("sim.json", "old");
    SimulatedMouse mouse;
    ASSERT_TRUE(mouse.saveState(dir / "sim.json").ok());
    EXPECT_EQ(dir.read("sim.json"), simStateJson(factoryMouseMemory()));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(SimState, SavingIntoAMissingFolderFails) {
    test::TempDir dir;
    SimulatedMouse mouse;
    const Status status = mouse.saveState(dir / "no-such-folder/sim.json");
    EXPECT_EQ(status.kind, ErrorKind::DataFile);
}

TEST(SimState, MissingFileGivesFactoryMemory) {
    test::TempDir dir;
    SimulatedMouse mouse;
    mouse.memory() = changedMemory();
    ASSERT_TRUE(mouse.loadState(dir / "absent.json").ok());
    EXPECT_EQ(mouse.memory(), factoryMouseMemory());
}

TEST(SimState, AMissingFileInAMissingFolderFailsAtOnce) {
    test::TempDir dir;
    SimulatedMouse mouse;
    const Status status = mouse.loadState(dir / "no-such-folder" / "sim.json");
    EXPECT_EQ(status.kind, ErrorKind::DataFile);
    EXPECT_NE(status.message.find((dir / "no-such-folder").string() + " does not exist"), std::string::npos)
        << status.message;
}

TEST(SimState, MissingKeysKeepFactoryValuesAndUnknownKeysAreIgnored) {
    test::TempDir dir;
    dir.write("sim.json", R"({"reportRate": 2, "dpiStages": [1,2,3,4,128,128,128,128], "firmware": "x"})");
    SimulatedMouse mouse;
    mouse.memory() = changedMemory();
    const Status status = mouse.loadState(dir / "sim.json");
    ASSERT_TRUE(status.ok()) << status.message;
    SimulatedMouseMemory expected = factoryMouseMemory();
    expected.reportRate = 2;
    expected.dpiStages = {1, 2, 3, 4, 128, 128, 128, 128};
    EXPECT_EQ(mouse.memory(), expected);
}

struct MalformedState {
    const char* name;
    std::string text;
    const char* detail; // part of the message that points at the fault
};
void PrintTo(const MalformedState& c, std::ostream* os) {
    *os << c.name;
}

class SimStateMalformed : public ::testing::TestWithParam<MalformedState> {};

TEST_P(SimStateMalformed, FailsAsDataFileAndChangesNothing) {
    const MalformedState& c = GetParam();
    test::TempDir dir;
    dir.write("sim.json", c.text);
    SimulatedMouse mouse;
    mouse.memory() = changedMemory();
    const Status status = mouse.loadState(dir / "sim.json");
    EXPECT_EQ(status.kind, ErrorKind::DataFile);
    EXPECT_NE(status.message.find("sim.json"), std::string::npos) << status.message;
    EXPECT_NE(status.message.find(c.detail), std::string::npos) << status.message;
    EXPECT_EQ(mouse.memory(), changedMemory());
}

INSTANTIATE_TEST_SUITE_P(
    Files, SimStateMalformed,
    ::testing::Values(
        MalformedState{"Empty", "", "not valid JSON"},
        MalformedState{"Truncated", R"({"reportRate": )", "not valid JSON"},
        MalformedState{"Binary", std::string("\x00\xff\xfe{", 4), "not valid JSON"},
        MalformedState{"NotAnObject", "[1, 2]", "must be a JSON object"},
        MalformedState{"RateIsText", R"({"reportRate": "fast"})", "\"reportRate\" must be a whole number"},
        MalformedState{"RateIsBool", R"({"reportRate": true})", "\"reportRate\" must be a whole number"},
        MalformedState{"RateIsArray", R"({"reportRate": [1]})", "\"reportRate\" must be a whole number"},
        MalformedState{"RateTooLarge", R"({"reportRate": 256})", "\"reportRate\" is 256, outside 0..255"},
        MalformedState{"RateHuge", R"({"reportRate": 18446744073709551616})", "\"reportRate\""},
        MalformedState{"Negative", R"({"sensorBlock": [0, -1, 0, 0]})", "\"sensorBlock\"[1] is -1"},
        MalformedState{"Fraction", R"({"effectBlock": [1, 2.5, 3]})", "\"effectBlock\"[1] must be a whole number"},
        MalformedState{"TooShort", R"({"dpiStages": [1, 2, 3]})", "\"dpiStages\" must be an array of 8"},
        MalformedState{"TooLong", R"({"sensorBlock": [0, 1, 2, 3, 4]})", "\"sensorBlock\" must be an array of 4"},
        MalformedState{"Null", R"({"configBlocks": null})", "\"configBlocks\" must be an array of 2"},
        MalformedState{"RowsNotArrays", R"({"ledParams": [1, 2]})", "\"ledParams\"[0] must be an array of 3"},
        MalformedState{"OneRowShort",
                       R"({"keyMatrices": [)" + byteList(64, 0) + "," + byteList(64, 0) + "," + byteList(64, 0) +
                           ",[1]]}",
                       "\"keyMatrices\"[3] must be an array of 64"},
        MalformedState{"TooFewRows", R"({"macroSlots": [)" + byteList(128, 0) + "]}",
                       "\"macroSlots\" must be an array of 12"},
        MalformedState{"ValueDeepInside", R"({"configBlocks": [)" + byteList(24, 0) + "," + byteList(24, 300) + "]}",
                       "\"configBlocks\"[1][0] is 300"}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(SimState, AFolderInsteadOfAFileFails) {
    test::TempDir dir;
    std::filesystem::create_directory(dir / "sim.json");
    SimulatedMouse mouse;
    EXPECT_EQ(mouse.loadState(dir / "sim.json").kind, ErrorKind::DataFile);
    EXPECT_EQ(mouse.memory(), factoryMouseMemory());
}

} // namespace
} // namespace q417
