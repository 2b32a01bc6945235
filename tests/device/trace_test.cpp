#include "device/trace.h"
#include "support/temp_dir.h"

#include <cerrno>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <vector>

namespace q417 {
namespace {

struct LineCase {
    const char* name;
    std::function<void(TraceSink&)> write;
    const char* line;
};
void PrintTo(const LineCase& c, std::ostream* os) {
    *os << c.name;
}

class TraceSinkLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(TraceSinkLine, HasItsExactFormat) {
    std::ostringstream out;
    TraceSink trace(out);
    GetParam().write(trace);
    EXPECT_EQ(out.str(), GetParam().line);
}

const std::vector<std::uint8_t> kChunk{0x00, 0x0f, 0x10, 0xff, 0xa0, 0x0a, 0x01, 0x10, 0x20, 0x30, 0x40,
                                       0x50, 0x60, 0x70, 0x80, 0x90, 0xa0, 0xb0, 0xc0, 0xd0, 0xe0, 0xf0,
                                       0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0a};

INSTANTIATE_TEST_SUITE_P(
    Kinds, TraceSinkLine,
    ::testing::Values(
        LineCase{"Set",
                 [](TraceSink& sink) {
                     sink.featureSent({0x01, 0xAB, 0, 0, 0, 0, 0x0C, 0xF6});
                 },
                 "SET 01 ab 00 00 00 00 0c f6\n"},
        LineCase{"Get",
                 [](TraceSink& sink) {
                     sink.featureRead({0x83, 0, 0x01, 0x0A, 0x40, 0, 0, 0x2F});
                 },
                 "GET 83 00 01 0a 40 00 00 2f\n"},
        LineCase{
            "Out", [](TraceSink& sink) { sink.outputReport(kChunk); },
            "OUT 00 0f 10 ff a0 0a 01 10 20 30 40 50 60 70 80 90 a0 b0 c0 d0 e0 f0 01 02 03 04 05 06 07 08 09 0a\n"},
        LineCase{
            "In", [](TraceSink& sink) { sink.inputReport(kChunk); },
            "IN 00 0f 10 ff a0 0a 01 10 20 30 40 50 60 70 80 90 a0 b0 c0 d0 e0 f0 01 02 03 04 05 06 07 08 09 0a\n"},
        LineCase{"Sleep", [](TraceSink& sink) { sink.sleep(3); }, "SLEEP 3\n"},
        LineCase{"Comment", [](TraceSink& sink) { sink.comment("apply: key matrices"); }, "# apply: key matrices\n"},
        LineCase{"CommentStaysOneLine", [](TraceSink& sink) { sink.comment("a\nb\r\nc"); }, "# a b  c\n"}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(TraceFile, AppendsToWhatIsThere) {
    test::TempDir dir;
    dir.write("trace.txt", "# earlier run\n");
    {
        TraceSink trace(dir / "trace.txt");
        ASSERT_TRUE(trace.isOpen());
        trace.sleep(5);
    }
    {
        TraceSink trace(dir / "trace.txt");
        trace.sleep(2);
    }
    EXPECT_EQ(dir.read("trace.txt"), "# earlier run\nSLEEP 5\nSLEEP 2\n");
}

TEST(TraceFile, UnopenableFileIsReported) {
    test::TempDir dir;
    TraceSink trace(dir / "missing-folder" / "trace.txt");
    EXPECT_FALSE(trace.isOpen());
    trace.comment("goes nowhere"); // must not crash
}

// A stream whose every write fails, as on a full disk.
class FullDisk : public std::streambuf {
protected:
    int_type overflow(int_type) override {
        errno = ENOSPC;
        return traits_type::eof();
    }
};

TEST(TraceFile, AWriteThatFailsIsReportedWithTheTracesName) {
    FullDisk disk;
    std::ostream out(&disk);
    TraceSink trace(out, "the pipe");
    EXPECT_TRUE(trace.status().ok());
    trace.sleep(5);
    trace.comment("lost too");
    EXPECT_EQ(trace.status().kind, ErrorKind::DataFile);
    EXPECT_EQ(trace.status().message, "cannot write the trace to the pipe: No space left on device");
}

} // namespace
} // namespace q417
