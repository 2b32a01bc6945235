// Drives the transport against a mouse whose every answer comes from the input: report lengths,
// failed calls, feature answers and input chunks of any content. Handshakes, short commands and
// long transfers into small buffers must never crash or touch memory outside their buffers.
#include "device/transport.h"

#include <cstdint>
#include <cstdlib>
#include <span>
#include <sstream>
#include <vector>

namespace {

// Hands out the fuzz input byte by byte; zeros once it runs out.
class InputBytes {
public:
    InputBytes(const std::uint8_t* data, std::size_t size)
        : bytes_(data, size) {}
    std::uint8_t next() {
        if (bytes_.empty()) {
            return 0;
        }
        const std::uint8_t b = bytes_.front();
        bytes_ = bytes_.subspan(1);
        return b;
    }
    [[nodiscard]] bool empty() const { return bytes_.empty(); }

private:
    std::span<const std::uint8_t> bytes_;
};

class FuzzedMouse : public q417::HidBackend {
public:
    explicit FuzzedMouse(InputBytes& in)
        : in_(in)
        , feature_(in.next() % 20)
        , output_(in.next() % 48)
        , input_(in.next() % 48) {}

    bool sendFeatureReport(std::span<const std::uint8_t> report) override { return sent(report); }
    bool getFeatureReport(std::span<std::uint8_t> report) override { return answer(report); }
    bool writeOutputReport(std::span<const std::uint8_t> report) override { return sent(report); }
    bool readInputReport(std::span<std::uint8_t> report) override { return answer(report); }
    bool readEventReport(std::span<std::uint8_t> report) override { return answer(report); }
    [[nodiscard]] std::size_t featureReportLength() const override { return feature_; }
    [[nodiscard]] std::size_t outputReportLength() const override { return output_; }
    [[nodiscard]] std::size_t inputReportLength() const override { return input_; }

private:
    bool sent(std::span<const std::uint8_t> report) {
        unsigned sum = 0;
        for (const std::uint8_t b : report) { // every byte handed over must be readable
            sum += b;
        }
        return ((in_.next() ^ sum) & 1) == 0;
    }

    // First byte: bit 0 = fail, bits 1.. = how many bytes to fill (the rest keeps what it had).
    bool answer(std::span<std::uint8_t> report) {
        const std::uint8_t control = in_.next();
        const std::size_t count = std::min<std::size_t>(control >> 1, report.size());
        for (std::size_t i = 0; i < count; ++i) {
            report[i] = in_.next();
        }
        return (control & 1) == 0;
    }

    InputBytes& in_;
    std::size_t feature_, output_, input_;
};

class NoSleep : public q417::Sleeper {
public:
    void sleepMs(unsigned) override {}
};

class IgnoreStatus : public q417::DeviceStatusSink {
public:
    void deviceStatus(q417::DeviceStatusCode, int) override {}
};

q417::Frame frameFrom(InputBytes& in) {
    q417::Frame f{};
    for (auto& b : f) {
        b = in.next();
    }
    return f;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    InputBytes in(data, size);
    FuzzedMouse mouse(in);
    NoSleep sleeper;
    IgnoreStatus status;
    std::ostringstream traceText;
    q417::TraceSink trace(traceText);
    q417::Transport transport(mouse, sleeper, status, &trace);

    transport.handshake();
    if (transport.deviceReady() != transport.linkScrambled()) {
        std::abort();
    }
    for (int step = 0; step < 64 && !in.empty(); ++step) {
        const std::uint8_t op = in.next();
        q417::Frame frame = frameFrom(in);
        // Buffers of exactly the chosen size, so that a write past the end is caught.
        std::vector<std::uint8_t> buffer(in.next() % 160);
        switch (op % 5) {
        case 0:
            transport.handshake();
            break;
        case 1:
            transport.sendCommand(frame);
            break;
        case 2:
            frame[0] = static_cast<std::uint8_t>(frame[0] | q417::kReadCommandBit);
            transport.transferLong(frame, buffer);
            break;
        case 3:
            frame[0] = static_cast<std::uint8_t>(frame[0] & ~q417::kReadCommandBit);
            transport.transferLong(frame, buffer);
            break;
        default:
            transport.pause(op);
            transport.comment(std::string(reinterpret_cast<const char*>(frame.data()), frame.size()));
            break;
        }
    }
    return 0;
}
