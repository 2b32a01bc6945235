#include "device/trace.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <utility>

namespace q417 {

TraceSink::TraceSink(std::ostream& out, std::string name)
    : out_(out)
    , name_(std::move(name)) {}

TraceSink::TraceSink(const std::filesystem::path& file)
    : file_(file, std::ios::out | std::ios::app)
    , out_(file_)
    , name_(file.string()) {}

Status TraceSink::status() const {
    if (error_ == 0) {
        return Status::success();
    }
    return Status::failure(ErrorKind::DataFile, "cannot write the trace to " + name_ + ": " + std::strerror(error_),
                           error_);
}

void TraceSink::writeLine(const std::string& line) {
    errno = 0;
    out_ << line << std::flush;
    if (!out_ && error_ == 0) {
        error_ = errno != 0 ? errno : EIO;
    }
}

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
    writeLine("SLEEP " + std::to_string(ms) + '\n');
}

void TraceSink::comment(std::string_view text) {
    std::string line = "# ";
    for (const char c : text) {
        line += (c == '\n' || c == '\r') ? ' ' : c;
    }
    writeLine(line + '\n');
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
    writeLine(line);
}

} // namespace q417
