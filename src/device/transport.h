#pragma once

#include "device/device_status_sink.h"
#include "device/frame.h"
#include "device/hid_backend.h"
#include "device/sleeper.h"
#include "device/trace.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace q417 {

// The three link primitives over one opened mouse: short commands (one frame in a feature
// report, answered by a feature report when bit 7 of the code is set), long transfers (a header
// frame, then 32-byte chunks in output or input reports) and the handshake that decides whether
// frames are scrambled. Fire-and-forget: nothing is retried or reported; a failed read leaves
// zeros. Runs on the user-interface thread only; deviceReady() may be read from any thread.
class Transport {
public:
    static constexpr std::size_t kReportBufferSize = 16; // largest feature report supported
    static constexpr std::size_t kChunkBufferSize = 40;  // largest output or input report supported
    static constexpr std::size_t kChunkDataSize = 32;
    static constexpr unsigned kHandshakePauseMs = 5;
    static constexpr unsigned kChunkPauseMs = 3;
    static constexpr std::array<std::uint8_t, 4> kHandshakeBytes{0xAA, 0xDD, 0x3B, 0x62};

    // All references must outlive the transport; `trace` may be null.
    Transport(HidBackend& hid, Sleeper& sleeper, DeviceStatusSink& status, TraceSink* trace = nullptr);

    // Sends `frame` with its checksum recomputed (scrambled when the link is). A write command
    // leaves `frame` alone and returns 1 when the report went out, else 0. A read command then
    // always reads the answer into `frame`, even when the send failed, and returns the first byte
    // of the answer report.
    int sendCommand(Frame& frame);

    // Sends `header` as sendCommand does. A write (bit 7 clear) then sends header byte 2 bytes of
    // `data` in 32-byte output reports, 3 ms apart. A read takes the length from byte 2 of the
    // answer, reads that many bytes in 32-byte input reports and stores what fits into `data`:
    // every announced chunk is consumed, nothing is written past data.size().
    void transferLong(Frame& header, std::span<std::uint8_t> data);

    // Tries the plain handshake, then the scrambled one. Only an answer to the scrambled attempt
    // makes the mouse ready (status 14); anything else leaves it not ready (status 15).
    void handshake();

    // A pacing pause; traced.
    void pause(unsigned ms);

    // A comment line in the trace, if there is one.
    void comment(std::string_view text);

    [[nodiscard]] bool linkScrambled() const { return linkScrambled_; }
    [[nodiscard]] bool linkConnected() const { return linkConnected_; }
    [[nodiscard]] bool deviceReady() const { return deviceReady_; }
    void setDeviceReady(bool ready) { deviceReady_ = ready; }

private:
    bool sendFrame(const Frame& frame, bool scrambled);
    int readFrame(Frame& frame, bool scrambled);
    void writeChunk(std::span<const std::uint8_t> data);
    void readChunk(std::span<std::uint8_t> data);

    HidBackend& hid_;
    Sleeper& sleeper_;
    DeviceStatusSink& status_;
    TraceSink* trace_;
    Frame key_{}; // built at the first scrambled handshake, kept for the run
    std::atomic<bool> linkScrambled_{false};
    std::atomic<bool> linkConnected_{false};
    std::atomic<bool> deviceReady_{false};
};

} // namespace q417
