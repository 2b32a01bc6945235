#include "device/scripted_backend.h"
#include "device/simulated_mouse.h"
#include "device/transport.h"
#include "support/counting_bytes.h"
#include "support/recording_sleeper.h"
#include "support/recording_status.h"

#include <gtest/gtest.h>
#include <memory>
#include <sstream>

namespace q417 {
namespace {

using test::counting;

using Report = test::ScriptedBackend::Report;

constexpr Frame kHandshakeAnswer{0x00, 0xAA, 0xDD, 0x3B, 0x62, 0x00, 0x00, 0xDB};

Frame scrambled(Frame f) {
    scrambleFrame(f, linkKey());
    return f;
}

Frame frameOf(const Report& report) {
    Frame f{};
    std::copy_n(report.begin() + 1, kFrameSize, f.begin());
    return f;
}

class TransportTest : public ::testing::Test {
protected:
    // Brings the link up scrambled: the plain attempt goes unanswered, the scrambled one is echoed.
    void connectScrambled() {
        hid.featureAnswers.emplace_back(std::nullopt);
        hid.answerFeature(scrambled(kHandshakeAnswer));
        transport.handshake();
        ASSERT_TRUE(transport.linkScrambled());
        hid.featuresSent.clear();
        hid.featureReads = 0;
        sleeper.pauses.clear();
    }

    test::ScriptedBackend hid;
    test::RecordingSleeper sleeper;
    test::RecordingStatus status;
    std::ostringstream traceText;
    TraceSink trace{traceText};
    Transport transport{hid, sleeper, status, &trace};
};

// --- short commands -------------------------------------------------------------------------

TEST_F(TransportTest, WriteCommandNeverReadsAndReturnsSendResult) {
    for (const bool sendOk : {true, false}) {
        hid.sendSucceeds = sendOk;
        hid.featureReads = 0;
        Frame frame{0x01, 0x08, 0, 0, 0, 0, 0, 0};
        EXPECT_EQ(transport.sendCommand(frame), sendOk ? 1 : 0);
        EXPECT_EQ(hid.featureReads, 0U);
        EXPECT_EQ(frame, (Frame{0x01, 0x08, 0, 0, 0, 0, 0, 0})) << "the caller's frame is left alone";
    }
}

TEST_F(TransportTest, ReadCommandReadsEvenWhenSendFails) {
    for (const bool sendOk : {true, false}) {
        hid.sendSucceeds = sendOk;
        hid.featureReads = 0;
        hid.answerFeature(Frame{0x83, 0x02, 0x01, 0x0A, 0x40, 0, 0, 0x2F});
        Frame frame{0x83, 0, 0, 0, 0, 0, 0, 0};
        transport.sendCommand(frame);
        EXPECT_EQ(hid.featureReads, 1U);
        EXPECT_EQ(frame, (Frame{0x83, 0x02, 0x01, 0x0A, 0x40, 0, 0, 0x2F}));
    }
}

TEST_F(TransportTest, SendsRecomputedChecksumBehindReportIdPaddedToFeatureLength) {
    hid.featureLength = 16;
    Frame frame{0x01, 0x08, 0, 0, 0, 0, 0, 0x55};
    transport.sendCommand(frame);
    ASSERT_EQ(hid.featuresSent.size(), 1U);
    EXPECT_EQ(hid.featuresSent[0], (Report{0, 0x01, 0x08, 0, 0, 0, 0, 0, 0xF6, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(TransportTest, FailedReadLeavesZerosWhateverTheBackendScribbled) {
    hid.featureAnswers.emplace_back(std::nullopt);
    Frame frame{0x87, 0x01, 0x22, 0x33, 0, 0, 0, 0};
    transport.sendCommand(frame);
    EXPECT_EQ(frame, Frame{});
}

TEST_F(TransportTest, ScrambledLinkScramblesBothDirections) {
    connectScrambled();
    Frame write{0x0D, 0x01, 0x05, 0x02, 0, 0, 0, 0};
    transport.sendCommand(write);
    Frame sent = frameOf(hid.featuresSent.at(0));
    unscrambleFrame(sent, linkKey());
    EXPECT_EQ(sent, (Frame{0x0D, 0x01, 0x05, 0x02, 0, 0, 0, 0xEA}));

    const Frame answer{0x8D, 0x03, 0x04, 0x02, 0, 0, 0, 0x69};
    hid.answerFeature(scrambled(answer));
    Frame read{0x8D, 0, 0, 0, 0, 0, 0, 0};
    transport.sendCommand(read);
    EXPECT_EQ(read, answer);
}

TEST_F(TransportTest, FailedReadOnScrambledLinkStillGivesZeros) {
    connectScrambled();
    Frame frame{0x83, 0, 0, 0, 0, 0, 0, 0};
    transport.sendCommand(frame);
    EXPECT_EQ(frame, Frame{});
}

// --- report lengths the buffers cannot hold ---------------------------------------------------

struct LengthCase {
    const char* name;
    std::size_t feature, output, input;
};
void PrintTo(const LengthCase& c, std::ostream* os) {
    *os << c.name;
}

class TransportUnsupportedLength : public TransportTest, public ::testing::WithParamInterface<LengthCase> {};

TEST_P(TransportUnsupportedLength, IsRefusedAndReadsAsZeros) {
    const LengthCase& c = GetParam();
    hid.featureLength = c.feature;
    hid.outputLength = c.output;
    hid.inputLength = c.input;
    const bool featureOk = c.feature >= 9 && c.feature <= 16;
    const bool outputOk = c.output >= 33 && c.output <= 40;
    const bool inputOk = c.input >= 33 && c.input <= 40;

    std::vector<std::uint8_t> data = counting(64, 1);
    Frame write{0x12, 0x01, 0x40, 0, 0, 0, 0, 0};
    transport.transferLong(write, data);
    EXPECT_EQ(hid.featuresSent.size(), featureOk ? 1U : 0U);
    EXPECT_EQ(hid.outputsWritten.size(), outputOk ? 2U : 0U);
    EXPECT_EQ(sleeper.pauses, (std::vector<unsigned>{3, 3})) << "the pacing stays";

    // Scripted answers are built for the lengths in force; a refused read never consumes them.
    hid.answerFeature(Frame{0x93, 0x01, 0x40, 0, 0, 0, 0, 0});
    hid.answerInput(counting(32, 0x80));
    hid.answerInput(counting(32, 0xA0));
    Frame read{0x93, 0x01, 0, 0, 0, 0, 0, 0};
    std::vector<std::uint8_t> into(64, 0x11);
    transport.transferLong(read, into);
    if (!featureOk) {
        EXPECT_EQ(read, Frame{});
        EXPECT_EQ(hid.featureReads, 0U);
        EXPECT_EQ(into, std::vector<std::uint8_t>(64, 0x11)) << "no length announced, no chunk";
    } else if (!inputOk) {
        EXPECT_EQ(hid.inputReads, 0U);
        EXPECT_EQ(into, std::vector<std::uint8_t>(64, 0)) << "announced chunks read as zeros";
    }
    EXPECT_NE(traceText.str().find("# "), std::string::npos) << "the refusal is noted in the trace";
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, TransportUnsupportedLength,
    ::testing::Values(LengthCase{"FeatureZero", 0, 33, 33}, LengthCase{"FeatureShorterThanFrame", 8, 33, 33},
                      LengthCase{"FeatureLongerThanBuffer", 17, 33, 33},
                      LengthCase{"OutputShorterThanChunk", 9, 32, 33}, LengthCase{"OutputLongerThanBuffer", 9, 41, 33},
                      LengthCase{"InputLongerThanBuffer", 9, 33, 41}, LengthCase{"InputZero", 9, 33, 0}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST_F(TransportTest, LargestSupportedLengthsAreUsedWhole) {
    hid.featureLength = 16;
    hid.outputLength = 40;
    std::vector<std::uint8_t> data = counting(24, 1);
    Frame header{0x10, 0x00, 0x18, 0, 0, 0, 0, 0};
    transport.transferLong(header, data);
    ASSERT_EQ(hid.outputsWritten.size(), 1U);
    EXPECT_EQ(hid.featuresSent.at(0).size(), 16U);
    EXPECT_EQ(hid.outputsWritten[0].size(), 40U);
}

// --- long writes ------------------------------------------------------------------------------

struct WriteCase {
    std::uint8_t length;
    std::size_t chunks;
};
void PrintTo(const WriteCase& c, std::ostream* os) {
    *os << int{c.length} << " bytes";
}

class TransportLongWrite : public TransportTest, public ::testing::WithParamInterface<WriteCase> {};

TEST_P(TransportLongWrite, SendsOneChunkPer32BytesEachFollowedBy3Ms) {
    const WriteCase& c = GetParam();
    const std::vector<std::uint8_t> source = counting(128, 1);
    std::vector<std::uint8_t> data = source;
    Frame header{0x13, 0x01, c.length, 0, 0, 0, 0, 0};
    transport.transferLong(header, data);

    ASSERT_EQ(hid.outputsWritten.size(), c.chunks);
    for (std::size_t i = 0; i < c.chunks; ++i) {
        Report expected(33, 0);
        std::copy_n(source.begin() + static_cast<std::ptrdiff_t>(32 * i), 32, expected.begin() + 1);
        EXPECT_EQ(hid.outputsWritten[i], expected) << "chunk " << i;
    }
    EXPECT_EQ(sleeper.pauses, std::vector<unsigned>(c.chunks, 3U));
    EXPECT_EQ(hid.featureReads, 0U);
    EXPECT_EQ(data, source) << "a write leaves the caller's data alone";
}

INSTANTIATE_TEST_SUITE_P(Lengths, TransportLongWrite,
                         ::testing::Values(WriteCase{0, 0}, WriteCase{24, 1}, WriteCase{64, 2}, WriteCase{128, 4},
                                           WriteCase{33, 2}),
                         [](const auto& testInfo) { return "Bytes" + std::to_string(testInfo.param.length); });

TEST_F(TransportTest, LongWriteNeverReadsPastTheCallersData) {
    std::vector<std::uint8_t> data = counting(8, 1);
    Frame header{0x11, 0x04, 0x40, 0, 0, 0, 0, 0}; // announces more than the caller has
    transport.transferLong(header, data);
    ASSERT_EQ(hid.outputsWritten.size(), 2U);
    Report first(33, 0);
    std::copy(data.begin(), data.end(), first.begin() + 1);
    EXPECT_EQ(hid.outputsWritten[0], first);
    EXPECT_EQ(hid.outputsWritten[1], Report(33, 0));
}

// --- long reads -------------------------------------------------------------------------------

TEST_F(TransportTest, ReadAnswerOf33BytesReadsTwoChunks) {
    hid.answerFeature(Frame{0x90, 0x01, 33, 0, 0, 0, 0, 0});
    hid.answerInput(counting(32, 1));
    hid.answerInput({0x77});
    std::vector<std::uint8_t> data(64, 0xCC);
    Frame header{0x90, 0x01, 0, 0, 0, 0, 0, 0};
    transport.transferLong(header, data);

    EXPECT_EQ(hid.inputReads, 2U);
    EXPECT_EQ(header[2], 33) << "the answer replaces the header";
    std::vector<std::uint8_t> expected = counting(32, 1);
    expected.push_back(0x77);
    expected.resize(64, 0);
    EXPECT_EQ(data, expected);
    EXPECT_TRUE(sleeper.pauses.empty());
}

struct CutCase {
    std::uint8_t announced;
    std::size_t bufferSize;
};
void PrintTo(const CutCase& c, std::ostream* os) {
    *os << int{c.announced} << " into " << c.bufferSize;
}

class TransportLongReadIntoSmallBuffer : public TransportTest, public ::testing::WithParamInterface<CutCase> {};

TEST_P(TransportLongReadIntoSmallBuffer, ConsumesEveryChunkButStoresOnlyWhatFits) {
    const CutCase& c = GetParam();
    const std::size_t chunks = (c.announced + 31U) / 32U;
    hid.answerFeature(Frame{0x93, 0x05, c.announced, 0, 0, 0, 0, 0});
    std::vector<std::uint8_t> stream;
    for (std::size_t i = 0; i < chunks; ++i) {
        const std::vector<std::uint8_t> chunk = counting(32, static_cast<std::uint8_t>(32 * i));
        hid.answerInput(chunk);
        stream.insert(stream.end(), chunk.begin(), chunk.end());
    }
    constexpr std::uint8_t kCanary = 0xA5;
    std::vector<std::uint8_t> storage(c.bufferSize + 16, kCanary);
    Frame header{0x93, 0x05, 0, 0, 0, 0, 0, 0};
    transport.transferLong(header, std::span(storage).first(c.bufferSize));

    EXPECT_EQ(hid.inputReads, chunks);
    const std::size_t stored = std::min(c.bufferSize, stream.size());
    EXPECT_TRUE(std::equal(storage.begin(), storage.begin() + static_cast<std::ptrdiff_t>(stored), stream.begin()));
    EXPECT_TRUE(std::all_of(storage.begin() + static_cast<std::ptrdiff_t>(c.bufferSize), storage.end(),
                            [](std::uint8_t b) { return b == kCanary; }))
        << "nothing past the caller's buffer";
}

INSTANTIATE_TEST_SUITE_P(Sizes, TransportLongReadIntoSmallBuffer,
                         ::testing::Values(CutCase{255, 0}, CutCase{255, 24}, CutCase{128, 128}, CutCase{200, 33},
                                           CutCase{24, 24}, CutCase{64, 1}),
                         [](const auto& testInfo) {
                             return "Announced" + std::to_string(testInfo.param.announced) + "Into" +
                                    std::to_string(testInfo.param.bufferSize);
                         });

TEST_F(TransportTest, FailedChunkReadGivesAZeroChunk) {
    hid.answerFeature(Frame{0x93, 0x01, 64, 0, 0, 0, 0, 0});
    hid.inputAnswers.emplace_back(std::nullopt);
    hid.answerInput(counting(32, 1));
    std::vector<std::uint8_t> data(64, 0xCC);
    Frame header{0x93, 0x01, 0, 0, 0, 0, 0, 0};
    transport.transferLong(header, data);
    std::vector<std::uint8_t> expected(32, 0);
    const std::vector<std::uint8_t> second = counting(32, 1);
    expected.insert(expected.end(), second.begin(), second.end());
    EXPECT_EQ(data, expected);
}

// --- handshake --------------------------------------------------------------------------------

struct HandshakeCase {
    const char* name;
    std::unique_ptr<HidBackend> (*makeDevice)();
    bool ready;
    bool connected;
    DeviceStatusCode statusCode;
    std::vector<unsigned> pauses;
};
void PrintTo(const HandshakeCase& c, std::ostream* os) {
    *os << c.name;
}

std::unique_ptr<HidBackend> simulatedMouse() {
    return std::make_unique<SimulatedMouse>();
}

std::unique_ptr<HidBackend> unpluggedMouse() {
    auto mouse = std::make_unique<SimulatedMouse>();
    mouse->setPlugged(false);
    return mouse;
}

std::unique_ptr<HidBackend> plainEcho() {
    auto device = std::make_unique<test::ScriptedBackend>();
    device->echoFeatures = true;
    return device;
}

std::unique_ptr<HidBackend> silentDevice() {
    return std::make_unique<test::ScriptedBackend>();
}

std::unique_ptr<HidBackend> zeroAnswers() {
    auto device = std::make_unique<test::ScriptedBackend>();
    device->answerFeature(Frame{});
    device->answerFeature(Frame{});
    return device;
}

class TransportHandshake : public ::testing::TestWithParam<HandshakeCase> {};

TEST_P(TransportHandshake, SetsLinkStateAndReportsIt) {
    const HandshakeCase& c = GetParam();
    const std::unique_ptr<HidBackend> device = c.makeDevice();
    test::RecordingSleeper sleeper;
    test::RecordingStatus status;
    Transport transport(*device, sleeper, status);
    transport.setDeviceReady(!c.ready); // the handshake decides, whatever was there before
    transport.handshake();

    EXPECT_EQ(transport.deviceReady(), c.ready);
    EXPECT_EQ(transport.linkScrambled(), c.ready);
    EXPECT_EQ(transport.linkConnected(), c.connected);
    EXPECT_EQ(status.messages, (std::vector<test::RecordingStatus::Message>{{c.statusCode, 0}}));
    EXPECT_EQ(sleeper.pauses, c.pauses);
}

INSTANTIATE_TEST_SUITE_P(
    Devices, TransportHandshake,
    ::testing::Values(
        HandshakeCase{"SimulatedMouse", simulatedMouse, true, true, DeviceStatusCode::MouseDetected, {5, 5}},
        HandshakeCase{"PlainEcho", plainEcho, false, true, DeviceStatusCode::MouseNotDetected, {5}},
        HandshakeCase{"Silent", silentDevice, false, false, DeviceStatusCode::MouseNotDetected, {5, 5}},
        HandshakeCase{"ZeroAnswers", zeroAnswers, false, false, DeviceStatusCode::MouseNotDetected, {5, 5}},
        HandshakeCase{"Unplugged", unpluggedMouse, false, false, DeviceStatusCode::MouseNotDetected, {5, 5}}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST_F(TransportTest, HandshakeSendsPlainThenScrambledFrame) {
    connectScrambled();
    transport.setDeviceReady(false);
    hid.featureAnswers.emplace_back(std::nullopt);
    hid.answerFeature(scrambled(kHandshakeAnswer));
    transport.handshake();
    ASSERT_EQ(hid.featuresSent.size(), 2U);
    EXPECT_EQ(frameOf(hid.featuresSent[0]), kHandshakeAnswer) << "the first attempt is plain even on a scrambled link";
    EXPECT_EQ(frameOf(hid.featuresSent[1]), scrambled(kHandshakeAnswer));
    EXPECT_TRUE(transport.deviceReady());
}

TEST(HandshakeAgain, MouseGoneMakesItNotReady) {
    SimulatedMouse mouse;
    test::RecordingSleeper sleeper;
    test::RecordingStatus status;
    Transport transport(mouse, sleeper, status);
    transport.handshake();
    mouse.setPlugged(false);
    transport.handshake();
    EXPECT_FALSE(transport.deviceReady());
    EXPECT_FALSE(transport.linkScrambled());
    EXPECT_EQ(status.messages, (std::vector<test::RecordingStatus::Message>{{DeviceStatusCode::MouseDetected, 0},
                                                                            {DeviceStatusCode::MouseNotDetected, 0}}));
}

// --- trace ------------------------------------------------------------------------------------

TEST_F(TransportTest, TracesShortCommandsAndPauses) {
    Frame rate{0x01, 0x08, 0, 0, 0, 0, 0, 0};
    transport.sendCommand(rate);
    transport.pause(2);
    hid.answerFeature(Frame{0x87, 0x01, 0x02, 0x64, 0x0A, 0, 0, 0x07});
    Frame led{0x87, 0x01, 0, 0, 0, 0, 0, 0};
    transport.sendCommand(led);
    transport.comment("apply\nstep 3");
    EXPECT_EQ(traceText.str(), "SET 01 08 00 00 00 00 00 f6\n"
                               "SLEEP 2\n"
                               "SET 87 01 00 00 00 00 00 77\n"
                               "GET 87 01 02 64 0a 00 00 07\n"
                               "# apply step 3\n");
    EXPECT_EQ(sleeper.pauses, std::vector<unsigned>{2});
}

TEST_F(TransportTest, TracesLongWrite) {
    std::vector<std::uint8_t> data = counting(64);
    Frame header{0x12, 0x01, 0x40, 0, 0, 0, 0, 0};
    transport.transferLong(header, data);
    EXPECT_EQ(traceText.str(),
              "SET 12 01 40 00 00 00 00 ac\n"
              "OUT 00 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e 0f 10 11 12 13 14 15 16 17 18 19 1a 1b 1c 1d 1e 1f\n"
              "SLEEP 3\n"
              "OUT 20 21 22 23 24 25 26 27 28 29 2a 2b 2c 2d 2e 2f 30 31 32 33 34 35 36 37 38 39 3a 3b 3c 3d 3e 3f\n"
              "SLEEP 3\n");
}

TEST_F(TransportTest, TracesLongReadAndScrambledFramesInTheClear) {
    connectScrambled();
    traceText.str("");
    hid.answerFeature(scrambled(Frame{0x90, 0x00, 0x18, 0, 0, 0, 0, 0x57}));
    hid.answerInput(counting(24, 0xE0));
    std::vector<std::uint8_t> block(24);
    Frame header{0x90, 0x00, 0, 0, 0, 0, 0, 0};
    transport.transferLong(header, block);
    EXPECT_EQ(traceText.str(),
              "SET 90 00 00 00 00 00 00 6f\n"
              "GET 90 00 18 00 00 00 00 57\n"
              "IN e0 e1 e2 e3 e4 e5 e6 e7 e8 e9 ea eb ec ed ee ef f0 f1 f2 f3 f4 f5 f6 f7 00 00 00 00 00 00 00 00\n");
}

TEST(TransportTrace, HandshakeWithTheSimulatedMouse) {
    SimulatedMouse mouse;
    test::RecordingSleeper sleeper;
    test::RecordingStatus status;
    std::ostringstream text;
    TraceSink trace(text);
    Transport transport(mouse, sleeper, status, &trace);
    transport.handshake();
    EXPECT_EQ(text.str(), "SET 00 aa dd 3b 62 00 00 db\n"
                          "SLEEP 5\n"
                          "GET 00 00 00 00 00 00 00 00\n"
                          "SET 00 aa dd 3b 62 00 00 db\n"
                          "SLEEP 5\n"
                          "GET 00 aa dd 3b 62 00 00 db\n");
}

} // namespace
} // namespace q417
