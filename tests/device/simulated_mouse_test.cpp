#include "device/simulated_mouse.h"
#include "device/transport.h"
#include "support/counting_bytes.h"
#include "support/recording_sleeper.h"
#include "support/recording_status.h"

#include <gtest/gtest.h>
#include <set>

namespace q417 {
namespace {

using test::counting;

using Memory = SimulatedMouseMemory;

template <typename Bytes> std::vector<std::uint8_t> bytesOf(const Bytes& b) {
    return {b.begin(), b.end()};
}

// A mouse with the link up and recognisable values in its short-command areas.
class SimulatedMouseTest : public ::testing::Test {
protected:
    void SetUp() override {
        mouse.memory().sensorBlock = {0x02, 0x04, 0x06, 0x08};
        mouse.memory().ledParams = {{{0x11, 0x12, 0x13}, {0x21, 0x22, 0x23}}};
        mouse.memory().effectBlock = {0x31, 0x32, 0x33};
        transport.handshake();
        ASSERT_TRUE(transport.deviceReady());
        before = mouse.memory();
    }

    SimulatedMouse mouse;
    test::RecordingSleeper sleeper;
    test::RecordingStatus status;
    Transport transport{mouse, sleeper, status};
    Memory before{};
};

TEST_F(SimulatedMouseTest, IgnoresThePlainHandshakeAndAcceptsTheScrambledOne) {
    EXPECT_EQ(mouse.log().rejectedFrames, 1U);
    ASSERT_EQ(mouse.log().frames.size(), 1U);
    EXPECT_EQ(mouse.log().frames[0], (Frame{0x00, 0xAA, 0xDD, 0x3B, 0x62, 0, 0, 0xDB}));
}

TEST_F(SimulatedMouseTest, IgnoresAFrameWhoseChecksumIsWrong) {
    Frame f{0x01, 0x04, 0, 0, 0, 0, 0, 0x00};
    scrambleFrame(f, linkKey());
    std::array<std::uint8_t, 9> report{};
    std::copy(f.begin(), f.end(), report.begin() + 1);
    EXPECT_TRUE(mouse.sendFeatureReport(report));
    EXPECT_EQ(mouse.memory(), before);
    EXPECT_EQ(mouse.log().rejectedFrames, 2U);
}

void unchanged(Memory&) {}
void unchangedByData(Memory&, const std::vector<std::uint8_t>&) {}

struct ShortWriteCase {
    const char* name;
    Frame frame;
    void (*change)(Memory&);
};
void PrintTo(const ShortWriteCase& c, std::ostream* os) {
    *os << c.name;
}

class SimShortWrite : public SimulatedMouseTest, public ::testing::WithParamInterface<ShortWriteCase> {};

TEST_P(SimShortWrite, StoresWhatTheFrameCarries) {
    const ShortWriteCase& c = GetParam();
    Frame frame = c.frame;
    transport.sendCommand(frame);
    Memory expected = before;
    c.change(expected);
    EXPECT_EQ(mouse.memory(), expected);
}

INSTANTIATE_TEST_SUITE_P(Commands, SimShortWrite,
                         ::testing::Values(ShortWriteCase{"ReportRate",
                                                          {0x01, 0x04},
                                                          [](Memory& m) {
                                                              m.reportRate = 4;
                                                          }},
                                           ShortWriteCase{"SensorBlock",
                                                          {0x03, 0x02, 0x01, 0x0A, 0x40},
                                                          [](Memory& m) {
                                                              m.sensorBlock = {0x02, 0x01, 0x0A, 0x40};
                                                          }},
                                           ShortWriteCase{"LedParams0",
                                                          {0x07, 0x00, 0x03, 0x05, 0x05},
                                                          [](Memory& m) {
                                                              m.ledParams[0] = {3, 5, 5};
                                                          }},
                                           ShortWriteCase{"LedParams1",
                                                          {0x07, 0x01, 0x02, 0x64, 0x0A},
                                                          [](Memory& m) {
                                                              m.ledParams[1] = {2, 100, 10};
                                                          }},
                                           ShortWriteCase{
                                               "LedParamsBadIndex", {0x07, 0x02, 0x09, 0x09, 0x09}, unchanged},
                                           ShortWriteCase{"Effect",
                                                          {0x0D, 0x03, 0x1E, 0x02},
                                                          [](Memory& m) {
                                                              m.effectBlock = {3, 0x1E, 2};
                                                          }},
                                           ShortWriteCase{"UnknownCommand", {0x42, 0x01, 0x02, 0x03}, unchanged}),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

struct ShortReadCase {
    const char* name;
    Frame request;
    Frame answer; // without checksum
};
void PrintTo(const ShortReadCase& c, std::ostream* os) {
    *os << c.name;
}

class SimShortRead : public SimulatedMouseTest, public ::testing::WithParamInterface<ShortReadCase> {};

TEST_P(SimShortRead, AnswersFromMemory) {
    const ShortReadCase& c = GetParam();
    Frame frame = c.request;
    transport.sendCommand(frame);
    Frame expected = c.answer;
    fillFrameChecksum(expected);
    EXPECT_EQ(frame, expected);
}

INSTANTIATE_TEST_SUITE_P(Commands, SimShortRead,
                         ::testing::Values(ShortReadCase{"SensorBlock", {0x83}, {0x83, 0x02, 0x04, 0x06, 0x08}},
                                           ShortReadCase{"LedParams0", {0x87, 0x00}, {0x87, 0x00, 0x11, 0x12, 0x13}},
                                           ShortReadCase{"LedParams1", {0x87, 0x01}, {0x87, 0x01, 0x21, 0x22, 0x23}},
                                           ShortReadCase{"Effect", {0x8D}, {0x8D, 0x31, 0x32, 0x33}}),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

struct LongWriteCase {
    const char* name;
    Frame header;
    void (*change)(Memory&, const std::vector<std::uint8_t>& data);
};
void PrintTo(const LongWriteCase& c, std::ostream* os) {
    *os << c.name;
}

class SimLongWrite : public SimulatedMouseTest, public ::testing::WithParamInterface<LongWriteCase> {};

TEST_P(SimLongWrite, StoresTheChunksAndConsumesThemAll) {
    const LongWriteCase& c = GetParam();
    const std::vector<std::uint8_t> data = counting(128, 0x40);
    std::vector<std::uint8_t> sent = data;
    Frame header = c.header;
    transport.transferLong(header, sent);
    Memory expected = before;
    c.change(expected, data);
    EXPECT_EQ(mouse.memory(), expected);
    EXPECT_EQ(mouse.log().strayChunks, 0U);
    EXPECT_EQ(mouse.log().chunksWritten, (c.header[2] + 31U) / 32U);
}

template <typename Area> void fill(Area& area, const std::vector<std::uint8_t>& data) {
    std::copy_n(data.begin(), area.size(), area.begin());
}

INSTANTIATE_TEST_SUITE_P(Commands, SimLongWrite,
                         ::testing::Values(LongWriteCase{"ConfigBlock0",
                                                         {0x10, 0, 0x18},
                                                         [](Memory& m, const auto& d) {
                                                             fill(m.configBlocks[0], d);
                                                         }},
                                           LongWriteCase{"ConfigBlock1",
                                                         {0x10, 1, 0x18},
                                                         [](Memory& m, const auto& d) {
                                                             fill(m.configBlocks[1], d);
                                                         }},
                                           LongWriteCase{"DpiStages",
                                                         {0x11, 4, 0x08},
                                                         [](Memory& m, const auto& d) {
                                                             fill(m.dpiStages, d);
                                                         }},
                                           LongWriteCase{"KeyMatrix1",
                                                         {0x12, 1, 0x40},
                                                         [](Memory& m, const auto& d) {
                                                             fill(m.keyMatrices[0], d);
                                                         }},
                                           LongWriteCase{"KeyMatrix4",
                                                         {0x12, 4, 0x40},
                                                         [](Memory& m, const auto& d) {
                                                             fill(m.keyMatrices[3], d);
                                                         }},
                                           LongWriteCase{"MacroSlot1",
                                                         {0x13, 1, 0x80},
                                                         [](Memory& m, const auto& d) {
                                                             fill(m.macroSlots[0], d);
                                                         }},
                                           LongWriteCase{"MacroSlot12",
                                                         {0x13, 12, 0x80},
                                                         [](Memory& m, const auto& d) {
                                                             fill(m.macroSlots[11], d);
                                                         }},
                                           LongWriteCase{"ConfigBlock2", {0x10, 2, 0x18}, unchangedByData},
                                           LongWriteCase{"KeyMatrix0", {0x12, 0, 0x40}, unchangedByData},
                                           LongWriteCase{"KeyMatrix5", {0x12, 5, 0x40}, unchangedByData},
                                           LongWriteCase{"MacroSlot0", {0x13, 0, 0x80}, unchangedByData},
                                           LongWriteCase{"MacroSlot13", {0x13, 13, 0x80}, unchangedByData},
                                           LongWriteCase{"ConfigBlockLongerThanBlock",
                                                         {0x10, 1, 0x40},
                                                         [](Memory& m, const auto& d) {
                                                             fill(m.configBlocks[1], d);
                                                         }}),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST_F(SimulatedMouseTest, KeepsTheDpiStageCount) {
    std::vector<std::uint8_t> stages(32, 0x80);
    Frame header{0x11, 4, 0x08};
    transport.transferLong(header, stages);
    EXPECT_EQ(mouse.log().dpiStageCount, 4);
}

struct LongReadCase {
    const char* name;
    Frame writeHeader;
    Frame readHeader;
    std::size_t length;
};
void PrintTo(const LongReadCase& c, std::ostream* os) {
    *os << c.name;
}

class SimLongRead : public SimulatedMouseTest, public ::testing::WithParamInterface<LongReadCase> {};

TEST_P(SimLongRead, GivesBackWhatWasWritten) {
    const LongReadCase& c = GetParam();
    std::vector<std::uint8_t> data = counting(c.length, 0x10);
    Frame write = c.writeHeader;
    transport.transferLong(write, data);

    std::vector<std::uint8_t> back(128, 0xEE);
    Frame read = c.readHeader;
    transport.transferLong(read, back);
    back.resize(c.length);
    EXPECT_EQ(back, data);
    Frame answer{c.readHeader[0], c.readHeader[1], static_cast<std::uint8_t>(c.length)};
    fillFrameChecksum(answer);
    EXPECT_EQ(read, answer);
}

INSTANTIATE_TEST_SUITE_P(Commands, SimLongRead,
                         ::testing::Values(LongReadCase{"ConfigBlock0", {0x10, 0, 0x18}, {0x90, 0}, 24},
                                           LongReadCase{"ConfigBlock1", {0x10, 1, 0x18}, {0x90, 1}, 24},
                                           LongReadCase{"MacroSlot7", {0x13, 7, 0x80}, {0x93, 7}, 128}),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST_F(SimulatedMouseTest, ReadsOfNothingItKnowsGoUnanswered) {
    // Unknown command, LED index, configuration block, macro slots below and above the range.
    for (const Frame request : {Frame{0xC4}, Frame{0x87, 2}, Frame{0x90, 2}, Frame{0x93, 0}, Frame{0x93, 13}}) {
        Frame frame = request;
        transport.sendCommand(frame);
        std::array<std::uint8_t, 9> report{};
        report.fill(0xEE);
        EXPECT_TRUE(mouse.getFeatureReport(report));
        EXPECT_EQ(bytesOf(report), std::vector<std::uint8_t>(9, 0)) << "request " << int{request[0]};
        std::array<std::uint8_t, 33> chunk{};
        EXPECT_FALSE(mouse.readInputReport(chunk)) << "no data follows";
    }
    EXPECT_EQ(mouse.memory(), before);
}

TEST_F(SimulatedMouseTest, AChunkNobodyAnnouncedIsIgnored) {
    std::array<std::uint8_t, 33> chunk{};
    chunk.fill(0x77);
    chunk[0] = 0;
    EXPECT_TRUE(mouse.writeOutputReport(chunk));
    EXPECT_EQ(mouse.memory(), before);
    EXPECT_EQ(mouse.log().strayChunks, 1U);
}

TEST_F(SimulatedMouseTest, ANewFrameEndsAnUnfinishedLongWrite) {
    Frame header{0x13, 1, 0x80};
    transport.sendCommand(header);
    Frame rate{0x01, 0x02};
    transport.sendCommand(rate);
    std::array<std::uint8_t, 33> chunk{};
    chunk.fill(0x77);
    chunk[0] = 0;
    mouse.writeOutputReport(chunk);
    EXPECT_EQ(mouse.memory().macroSlots, before.macroSlots);
    EXPECT_EQ(mouse.log().strayChunks, 1U);
}

TEST_F(SimulatedMouseTest, UnpluggedEveryCallFailsAndReadsGiveZeros) {
    mouse.setPlugged(false);
    std::array<std::uint8_t, 9> feature{};
    std::array<std::uint8_t, 33> chunk{};
    EXPECT_FALSE(mouse.sendFeatureReport(feature));
    EXPECT_FALSE(mouse.writeOutputReport(chunk));
    feature.fill(0xEE);
    chunk.fill(0xEE);
    EXPECT_FALSE(mouse.getFeatureReport(feature));
    EXPECT_EQ(bytesOf(feature), std::vector<std::uint8_t>(9, 0));
    EXPECT_FALSE(mouse.readInputReport(chunk));
    EXPECT_EQ(bytesOf(chunk), std::vector<std::uint8_t>(33, 0));
    mouse.emitEvent(7, 3);
    std::array<std::uint8_t, 4> event{};
    EXPECT_FALSE(mouse.readEventReport(event));

    mouse.setPlugged(true);
    transport.handshake();
    EXPECT_TRUE(transport.deviceReady()) << "plugged back in, the mouse answers again";
}

TEST_F(SimulatedMouseTest, QueuesEventReports) {
    mouse.emitEvent(7, 3);
    mouse.emitEvent(5, 8);
    std::array<std::uint8_t, 8> report{};
    report.fill(0xEE);
    ASSERT_TRUE(mouse.readEventReport(report));
    EXPECT_EQ(bytesOf(report), (std::vector<std::uint8_t>{6, 7, 0, 3, 0, 0, 0, 0}));
    ASSERT_TRUE(mouse.readEventReport(report));
    EXPECT_EQ(bytesOf(report), (std::vector<std::uint8_t>{6, 5, 0, 8, 0, 0, 0, 0}));
    EXPECT_FALSE(mouse.readEventReport(report)) << "nothing queued: no waiting";
}

TEST(SimulatedMouseFactory, LooksLikeAMouseFreshFromTheBox) {
    const SimulatedMouse mouse;
    const Memory& m = mouse.memory();
    EXPECT_EQ(m.sensorBlock[0], 0) << "sensor kind 0";
    EXPECT_EQ(m.effectBlock[0], 1) << "standard lighting";
    std::set<std::vector<std::uint8_t>> colours;
    for (std::size_t stage = 0; stage < 4; ++stage) {
        const auto first = m.configBlocks[1].begin() + static_cast<std::ptrdiff_t>(3 * stage);
        colours.insert(std::vector<std::uint8_t>(first, first + 3));
    }
    EXPECT_EQ(colours.size(), 4U) << "four distinct stage colours";
    const auto word = [&](std::size_t matrix, std::size_t slot) {
        const auto first = m.keyMatrices[matrix].begin() + static_cast<std::ptrdiff_t>(4 * slot);
        return std::vector<std::uint8_t>(first, first + 4);
    };
    EXPECT_EQ(word(0, 0), (std::vector<std::uint8_t>{0x01, 0x00, 0xF0, 0x00})) << "left click";
    EXPECT_EQ(word(0, 1), (std::vector<std::uint8_t>{0x01, 0x00, 0xF1, 0x00})) << "right click";
    EXPECT_EQ(word(0, 2), (std::vector<std::uint8_t>{0x01, 0x00, 0xF2, 0x00})) << "middle click";
    EXPECT_EQ(word(2, 0), word(0, 0)) << "both modes start alike";
}

} // namespace
} // namespace q417
