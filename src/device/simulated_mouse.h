#pragma once

#include "device/frame.h"
#include "device/hid_backend.h"
#include "device/report_queue.h"
#include "device/sim_memory.h"
#include "platform/result.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace q417 {

// What the simulated mouse has been sent, for tests and diagnostics.
struct SimulatedMouseLog {
    std::vector<Frame> frames;      // every frame accepted, unscrambled
    std::size_t rejectedFrames = 0; // frames whose checksum was wrong once unscrambled
    std::size_t chunksWritten = 0;  // output reports taken as data of a long write
    std::size_t strayChunks = 0;    // output reports no long write had announced
    std::size_t chunksRead = 0;     // input reports handed out
    std::uint8_t dpiStageCount = 0; // stage count of the last DPI-stage write
};

// A firmware model of the mouse behind the HID seam. It unscrambles every frame with the shared
// link constants and ignores frames whose checksum is then wrong, so it never answers the plain
// handshake; it answers the scrambled one, stores what the write commands carry and answers the
// read commands from its memory. Its answers are scrambled; data chunks are not. An answer stays
// readable until the next frame arrives; with nothing to answer, a feature read gives all zeros.
//
// The control collection is used from one thread. emitEvent(), readEventReport() and the event
// source may be used from different threads.
class SimulatedMouse final : public HidBackend {
public:
    static constexpr std::size_t kFeatureReportLength = 9; // report ID + frame
    static constexpr std::size_t kOutputReportLength = 33; // report ID + 32 data bytes
    static constexpr std::size_t kInputReportLength = 33;
    static constexpr std::uint8_t kEventReportId = 6;

    SimulatedMouse();

    bool sendFeatureReport(std::span<const std::uint8_t> report) override;
    bool getFeatureReport(std::span<std::uint8_t> report) override;
    bool writeOutputReport(std::span<const std::uint8_t> report) override;
    // Hands out the next chunk of a long read; with none pending there is nothing to wait for,
    // so the read fails with zeros.
    bool readInputReport(std::span<std::uint8_t> report) override;
    bool readEventReport(std::span<std::uint8_t> report) override;

    [[nodiscard]] std::size_t featureReportLength() const override { return kFeatureReportLength; }
    [[nodiscard]] std::size_t outputReportLength() const override { return kOutputReportLength; }
    [[nodiscard]] std::size_t inputReportLength() const override { return kInputReportLength; }

    // Found while plugged in.
    DeviceOpen openDevice() override;
    // The event reports, for a thread to wait on; null while unplugged. Unplugging makes a source
    // handed out earlier gone, as a pending read of a pulled-out mouse fails.
    std::shared_ptr<EventSource> eventSource() override;

    // While unplugged every call fails, reads give zeros, and pending answers are lost.
    void setPlugged(bool plugged);
    [[nodiscard]] bool plugged() const { return plugged_; }

    // Queues an event report: byte 0 = 6, byte 1 = kind, byte 3 = value. Dropped while unplugged.
    void emitEvent(std::uint8_t kind, std::uint8_t value);

    [[nodiscard]] SimulatedMouseMemory& memory() { return memory_; }
    [[nodiscard]] const SimulatedMouseMemory& memory() const { return memory_; }
    [[nodiscard]] const SimulatedMouseLog& log() const { return log_; }

    // See sim_state.h: a missing file gives factory memory; a bad one leaves memory unchanged.
    Status loadState(const std::filesystem::path& path);
    Status saveState(const std::filesystem::path& path) const;

private:
    using Chunk = std::array<std::uint8_t, kInputReportLength>;

    struct PendingWrite {
        std::uint8_t code;
        std::uint8_t number; // block, matrix or slot as the header gave it
        std::size_t length;
        std::size_t received; // data bytes taken so far
    };

    void receiveFrame(const Frame& frame);
    void answer(Frame frame);
    void queueChunks(std::span<const std::uint8_t> data);
    [[nodiscard]] std::span<std::uint8_t> longWriteTarget(const PendingWrite& write);
    void dropPending();

    SimulatedMouseMemory memory_;
    SimulatedMouseLog log_;
    std::atomic<bool> plugged_{true};
    std::optional<Frame> answer_; // unscrambled; scrambled when read
    std::deque<Chunk> inputChunks_;
    std::optional<PendingWrite> pendingWrite_;
    std::shared_ptr<ReportQueue> events_ = std::make_shared<ReportQueue>();
};

} // namespace q417
