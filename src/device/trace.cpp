#include "device/trace.h"

#include <string>

namespace q417 {

TraceSink::TraceSink(std::ostream& out)
    : out_(out) {}

TraceSink::TraceSink(const std::filesystem::path& file)
    : file_(file, std::ios::out | std::ios::app)
    , out_(file_) {}

void TraceSink::featureSent(const Frame& frame) {
    bytesLine("SET", frame);
}

void TraceSink::featureRead(const Frame& frame) {
    bytesLine("GET", frame);
}

void TraceSink::outputReport(std::span<const std::uint8_t> data) {
    bytesLine("OUT", data);
}

void TraceSink::inputReport(std::span<const std::uint8_t> data) {
    bytesLine("IN", data);
}

void TraceSink::sleep(unsigned ms) {
    // Flushed line by line so a trace stays useful when the program dies halfway.
    out_ << "SLEEP " << ms << '\n' << std::flush;
}

void TraceSink::comment(std::string_view text) {
    std::string line = "# ";
    for (const char c : text) {
        line += (c == '\n' || c == '\r') ? ' ' : c;
    }
    out_ << line << '\n' << std::flush;
}

void TraceSink::bytesLine(std::string_view tag, std::span<const std::uint8_t> bytes) {
    static constexpr std::string_view kHex = "0123456789abcdef";
    std::string line(tag);
    line.reserve(tag.size() + 3 * bytes.size() + 1);
    for (const std::uint8_t b : bytes) {
        line += ' ';
        line += kHex[b >> 4];
        line += kHex[b & 0x0F];
    }
    line += '\n';
    out_ << line << std::flush;
}

} // namespace q417
