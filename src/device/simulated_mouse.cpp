#include "device/simulated_mouse.h"

#include "device/command_codes.h"
#include "device/sim_state.h"

#include <algorithm>

namespace q417 {

namespace {

constexpr std::size_t kChunkData = 32;

// Copies as much of `from` as fits into `to`.
void copyInto(std::span<const std::uint8_t> from, std::span<std::uint8_t> to) {
    std::copy_n(from.begin(), std::min(from.size(), to.size()), to.begin());
}

// The block, matrix or slot named by a 1-based number, or an empty span when out of range.
template <typename Rows> std::span<std::uint8_t> numbered(Rows& rows, std::size_t number) {
    if (number < 1 || number > rows.size()) {
        return {};
    }
    return rows[number - 1];
}

template <typename Rows> std::span<std::uint8_t> indexed(Rows& rows, std::size_t index) {
    if (index >= rows.size()) {
        return {};
    }
    return rows[index];
}

} // namespace

SimulatedMouse::SimulatedMouse()
    : memory_(factoryMouseMemory()) {}

bool SimulatedMouse::sendFeatureReport(std::span<const std::uint8_t> report) {
    if (!plugged_ || report.size() < kFeatureReportLength || report[0] != 0) {
        return false;
    }
    Frame frame{};
    std::copy_n(report.begin() + 1, kFrameSize, frame.begin());
    receiveFrame(frame);
    return true;
}

bool SimulatedMouse::getFeatureReport(std::span<std::uint8_t> report) {
    std::fill(report.begin(), report.end(), std::uint8_t{0});
    if (!plugged_ || report.empty()) {
        return false;
    }
    if (answer_) {
        Frame wire = *answer_;
        scrambleFrame(wire, linkKey());
        copyInto(wire, report.subspan(1));
    }
    return true;
}

bool SimulatedMouse::writeOutputReport(std::span<const std::uint8_t> report) {
    if (!plugged_ || report.size() < kOutputReportLength || report[0] != 0) {
        return false;
    }
    if (!pendingWrite_) {
        ++log_.strayChunks;
        return true;
    }
    ++log_.chunksWritten;
    PendingWrite& write = *pendingWrite_;
    const std::span<std::uint8_t> target = longWriteTarget(write);
    if (write.received < target.size()) {
        const std::size_t wanted = std::min(kChunkData, write.length - write.received);
        copyInto(report.subspan(1, wanted), target.subspan(write.received));
    }
    write.received += kChunkData;
    if (write.received >= write.length) {
        pendingWrite_.reset();
    }
    return true;
}

bool SimulatedMouse::readInputReport(std::span<std::uint8_t> report) {
    std::fill(report.begin(), report.end(), std::uint8_t{0});
    if (!plugged_ || inputChunks_.empty()) {
        return false;
    }
    copyInto(inputChunks_.front(), report);
    inputChunks_.pop_front();
    ++log_.chunksRead;
    return true;
}

bool SimulatedMouse::readEventReport(std::span<std::uint8_t> report) {
    return events_->readReport(report).ok();
}

DeviceOpen SimulatedMouse::openDevice() {
    return plugged_ ? DeviceOpen::Opened : DeviceOpen::NotFound;
}

std::shared_ptr<EventSource> SimulatedMouse::eventSource() {
    return plugged_ ? events_ : nullptr;
}

void SimulatedMouse::setPlugged(bool plugged) {
    plugged_ = plugged;
    if (!plugged) {
        dropPending();
    }
    events_->setGone(!plugged);
}

void SimulatedMouse::emitEvent(std::uint8_t kind, std::uint8_t value) {
    const std::array<std::uint8_t, 4> report{kEventReportId, kind, 0, value};
    events_->push(report);
}

Status SimulatedMouse::loadState(const std::filesystem::path& path) {
    return loadSimState(path, memory_);
}

Status SimulatedMouse::saveState(const std::filesystem::path& path) const {
    return saveSimState(path, memory_);
}

void SimulatedMouse::receiveFrame(const Frame& wire) {
    // Every frame ends what the previous one started.
    dropPending();
    Frame f = wire;
    unscrambleFrame(f, linkKey());
    if (frameChecksum(f) != f[kFrameChecksumIndex]) {
        ++log_.rejectedFrames;
        return;
    }
    log_.frames.push_back(f);
    SimulatedMouseMemory& m = memory_;
    switch (f[0]) {
    case code::kHandshake:
        if (f[1] == 0xAA && f[2] == 0xDD && f[3] == 0x3B && f[4] == 0x62) {
            answer({code::kHandshake, 0xAA, 0xDD, 0x3B, 0x62, 0, 0, 0});
        }
        break;
    case code::kWriteReportRate:
        m.reportRate = f[1];
        break;
    case code::kWriteSensorBlock:
        std::copy_n(f.begin() + 1, m.sensorBlock.size(), m.sensorBlock.begin());
        break;
    case code::kWriteLedParams:
        copyInto(std::span(f).subspan(2, kSimLedParamSize), indexed(m.ledParams, f[1]));
        break;
    case code::kWriteEffect:
        std::copy_n(f.begin() + 1, m.effectBlock.size(), m.effectBlock.begin());
        break;
    case code::kWriteConfigBlock:
    case code::kWriteDpiStages:
    case code::kWriteKeyMatrix:
    case code::kWriteMacroSlot:
        if (f[0] == code::kWriteDpiStages) {
            log_.dpiStageCount = f[1];
        }
        if (f[2] != 0) {
            pendingWrite_ = PendingWrite{f[0], f[1], f[2], 0};
        }
        break;
    case code::kReadSensorBlock: {
        const auto& s = m.sensorBlock;
        answer({code::kReadSensorBlock, s[0], s[1], s[2], s[3], 0, 0, 0});
        break;
    }
    case code::kReadLedParams:
        if (f[1] < kSimLedParamCount) {
            const auto& p = m.ledParams[f[1]];
            answer({code::kReadLedParams, f[1], p[0], p[1], p[2], 0, 0, 0});
        }
        break;
    case code::kReadEffect: {
        const auto& e = m.effectBlock;
        answer({code::kReadEffect, e[0], e[1], e[2], 0, 0, 0, 0});
        break;
    }
    case code::kReadConfigBlock:
        if (f[1] < kSimConfigBlockCount) {
            answer({code::kReadConfigBlock, f[1], static_cast<std::uint8_t>(kSimConfigBlockSize), 0, 0, 0, 0, 0});
            queueChunks(m.configBlocks[f[1]]);
        }
        break;
    case code::kReadMacroSlot:
        if (f[1] >= 1 && f[1] <= kSimMacroSlotCount) {
            answer({code::kReadMacroSlot, f[1], static_cast<std::uint8_t>(kSimMacroSlotSize), 0, 0, 0, 0, 0});
            queueChunks(m.macroSlots[f[1] - 1U]);
        }
        break;
    default: // unknown commands are ignored, as the firmware does
        break;
    }
}

void SimulatedMouse::answer(Frame frame) {
    fillFrameChecksum(frame);
    answer_ = frame;
}

void SimulatedMouse::queueChunks(std::span<const std::uint8_t> data) {
    for (std::size_t offset = 0; offset < data.size(); offset += kChunkData) {
        Chunk chunk{};
        copyInto(data.subspan(offset), std::span(chunk).subspan(1));
        inputChunks_.push_back(chunk);
    }
}

std::span<std::uint8_t> SimulatedMouse::longWriteTarget(const PendingWrite& write) {
    SimulatedMouseMemory& m = memory_;
    switch (write.code) {
    case code::kWriteConfigBlock:
        return indexed(m.configBlocks, write.number);
    case code::kWriteDpiStages:
        return m.dpiStages;
    case code::kWriteKeyMatrix:
        return numbered(m.keyMatrices, write.number);
    case code::kWriteMacroSlot:
        return numbered(m.macroSlots, write.number);
    default:
        return {};
    }
}

void SimulatedMouse::dropPending() {
    answer_.reset();
    inputChunks_.clear();
    pendingWrite_.reset();
}

} // namespace q417
