#include "device/transport.h"

#include <algorithm>
#include <string>

namespace q417 {

namespace {

// A report must carry the report ID and a whole frame or chunk, and fit the transport's buffer.
constexpr std::size_t kMinFeatureLength = 1 + kFrameSize;
constexpr std::size_t kMinChunkLength = 1 + Transport::kChunkDataSize;

bool featureLengthSupported(std::size_t length) {
    return length >= kMinFeatureLength && length <= Transport::kReportBufferSize;
}

bool chunkLengthSupported(std::size_t length) {
    return length >= kMinChunkLength && length <= Transport::kChunkBufferSize;
}

std::size_t chunkCount(std::size_t length) {
    return (length + Transport::kChunkDataSize - 1) / Transport::kChunkDataSize;
}

std::string unsupportedLength(std::string_view kind, std::size_t length) {
    return std::string(kind) + " report length " + std::to_string(length) + " not supported";
}

constexpr Frame kHandshakeFrame{0x00, 0xAA, 0xDD, 0x3B, 0x62, 0x00, 0x00, 0x00};

} // namespace

Transport::Transport(HidBackend& hid, Sleeper& sleeper, DeviceStatusSink& status, TraceSink* trace)
    : hid_(hid)
    , sleeper_(sleeper)
    , status_(status)
    , trace_(trace) {}

int Transport::sendCommand(Frame& frame) {
    const bool scrambled = linkScrambled_;
    const bool sent = sendFrame(frame, scrambled);
    if (!isReadCommand(frame)) {
        return sent ? 1 : 0;
    }
    return readFrame(frame, scrambled);
}

void Transport::transferLong(Frame& header, std::span<std::uint8_t> data) {
    const bool read = isReadCommand(header);
    sendCommand(header);
    // For a read, sendCommand has replaced the header with the mouse's answer.
    const std::size_t chunks = chunkCount(header[2]);
    for (std::size_t c = 0; c < chunks; ++c) {
        const std::size_t offset = std::min(c * kChunkDataSize, data.size());
        const std::span<std::uint8_t> rest = data.subspan(offset);
        const std::span<std::uint8_t> part = rest.first(std::min(rest.size(), kChunkDataSize));
        if (read) {
            readChunk(part);
        } else {
            writeChunk(part);
            pause(kChunkPauseMs);
        }
    }
}

void Transport::handshake() {
    bool scrambled = false;
    bool valid = false;
    for (;;) {
        Frame frame = kHandshakeFrame;
        sendFrame(frame, scrambled);
        pause(kHandshakePauseMs);
        readFrame(frame, scrambled);
        valid = std::equal(kHandshakeBytes.begin(), kHandshakeBytes.end(), frame.begin() + 1);
        if (valid || scrambled) {
            break;
        }
        key_ = linkKey();
        scrambled = true;
    }
    linkConnected_ = valid;
    if (valid && scrambled) {
        linkScrambled_ = true;
        status_.deviceStatus(DeviceStatusCode::MouseDetected, 0);
        deviceReady_ = true;
    } else {
        // A mouse that answers plain frames is not one we drive.
        linkScrambled_ = false;
        status_.deviceStatus(DeviceStatusCode::MouseNotDetected, 0);
        deviceReady_ = false;
    }
}

void Transport::pause(unsigned ms) {
    if (trace_ != nullptr) {
        trace_->sleep(ms);
    }
    sleeper_.sleepMs(ms);
}

void Transport::comment(std::string_view text) {
    if (trace_ != nullptr) {
        trace_->comment(text);
    }
}

bool Transport::sendFrame(const Frame& frame, bool scrambled) {
    Frame wire = frame;
    fillFrameChecksum(wire);
    if (trace_ != nullptr) {
        trace_->featureSent(wire);
    }
    const std::size_t length = hid_.featureReportLength();
    if (!featureLengthSupported(length)) {
        comment(unsupportedLength("feature", length));
        return false;
    }
    if (scrambled) {
        scrambleFrame(wire, key_);
    }
    std::array<std::uint8_t, kReportBufferSize> report{};
    std::copy(wire.begin(), wire.end(), report.begin() + 1);
    return hid_.sendFeatureReport(std::span<const std::uint8_t>(report.data(), length));
}

int Transport::readFrame(Frame& frame, bool scrambled) {
    std::array<std::uint8_t, kReportBufferSize> report{};
    const std::size_t length = hid_.featureReportLength();
    bool ok = false;
    if (featureLengthSupported(length)) {
        ok = hid_.getFeatureReport(std::span<std::uint8_t>(report.data(), length));
    } else {
        comment(unsupportedLength("feature", length));
    }
    if (!ok) {
        // Zeros, not zeros unscrambled: a missing answer must read as nothing.
        report.fill(0);
    }
    std::copy_n(report.begin() + 1, kFrameSize, frame.begin());
    if (ok && scrambled) {
        unscrambleFrame(frame, key_);
    }
    if (trace_ != nullptr) {
        trace_->featureRead(frame);
    }
    return report[0];
}

void Transport::writeChunk(std::span<const std::uint8_t> data) {
    std::array<std::uint8_t, kChunkBufferSize> report{};
    std::copy(data.begin(), data.end(), report.begin() + 1);
    const std::span<const std::uint8_t> chunk(report.data() + 1, kChunkDataSize);
    if (trace_ != nullptr) {
        trace_->outputReport(chunk);
    }
    const std::size_t length = hid_.outputReportLength();
    if (!chunkLengthSupported(length)) {
        comment(unsupportedLength("output", length));
        return;
    }
    hid_.writeOutputReport(std::span<const std::uint8_t>(report.data(), length));
}

void Transport::readChunk(std::span<std::uint8_t> data) {
    std::array<std::uint8_t, kChunkBufferSize> report{};
    const std::size_t length = hid_.inputReportLength();
    bool ok = false;
    if (chunkLengthSupported(length)) {
        ok = hid_.readInputReport(std::span<std::uint8_t>(report.data(), length));
    } else {
        comment(unsupportedLength("input", length));
    }
    if (!ok) {
        report.fill(0);
    }
    const std::span<const std::uint8_t> chunk(report.data() + 1, kChunkDataSize);
    if (trace_ != nullptr) {
        trace_->inputReport(chunk);
    }
    std::copy_n(chunk.begin(), data.size(), data.begin());
}

} // namespace q417
