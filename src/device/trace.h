#pragma once

#include "device/frame.h"
#include "platform/result.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace q417 {

// Writes the link trace: one line per exchange, in the order the exchanges happen.
//
//     SET b0 ... b7    feature report sent: the frame as built, checksum filled in, not scrambled
//     GET b0 ... b7    feature report read: the frame after unscrambling (raw on a plain link)
//     OUT d0 ... d31   output report: its 32 data bytes
//     IN d0 ... d31    input report of the control collection: its 32 data bytes
//     SLEEP n          pacing pause of n milliseconds
//     # text           comment
//
// Bytes are two lower-case hex digits separated by single spaces; report IDs and padding are not
// shown. Golden files compare against this format: keep it stable.
class TraceSink {
public:
    // Writes to `out`, which must outlive the sink; `name` says where that is, for messages.
    explicit TraceSink(std::ostream& out, std::string name = "standard output");
    // Appends to `file`, creating it if needed; isOpen() tells whether that worked.
    explicit TraceSink(const std::filesystem::path& file);
    TraceSink(const TraceSink&) = delete;
    TraceSink& operator=(const TraceSink&) = delete;

    [[nodiscard]] bool isOpen() const { return static_cast<bool>(out_); }
    // A failure, naming the trace and the reason, once a line could not be written (a full disk,
    // /dev/full, a closed pipe); the lines after it are lost.
    [[nodiscard]] Status status() const;

    void featureSent(const Frame& frame);
    void featureRead(const Frame& frame);
    void outputReport(std::span<const std::uint8_t> data);
    void inputReport(std::span<const std::uint8_t> data);
    void sleep(unsigned ms);
    // Line breaks in `text` become spaces, so a comment stays one line.
    void comment(std::string_view text);

private:
    void bytesLine(std::string_view tag, std::span<const std::uint8_t> bytes);
    // Writes one whole line and flushes it, so a trace stays useful when the program dies halfway.
    void writeLine(const std::string& line);

    std::ofstream file_;
    std::ostream& out_;
    std::string name_;
    int error_ = 0; // errno of the first line that could not be written
};

} // namespace q417
