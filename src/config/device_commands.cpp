#include "config/device_commands.h"

#include "device/command_codes.h"
#include "device/transport.h"

#include <algorithm>
#include <cstring>

namespace q417 {

namespace {

constexpr std::uint8_t kSensorOption2Bit = 0x40;
constexpr std::size_t kLongestAnswer = 256; // a one-byte length in whole 32-byte chunks

Frame frameOf(std::uint8_t code) {
    Frame f{};
    f[0] = code;
    return f;
}

} // namespace

void DeviceCommands::readSensorBlock() {
    Frame f = frameOf(code::kReadSensorBlock);
    transport_.sendCommand(f);
    std::copy_n(f.begin() + 1, 4, image_.sensorBlock.begin());
    image_.sensorKind = image_.sensorBlock[0];
}

void DeviceCommands::refreshSensorBlock() {
    readSensorBlock();
    image_.sensorBlock[3] |= kSensorOption2Bit;
    Frame w = frameOf(code::kWriteSensorBlock);
    std::copy(image_.sensorBlock.begin(), image_.sensorBlock.end(), w.begin() + 1);
    transport_.sendCommand(w);
}

void DeviceCommands::setReportRate(std::uint8_t reportRate) {
    Frame f = frameOf(code::kWriteReportRate);
    f[1] = reportRate;
    transport_.sendCommand(f);
}

void DeviceCommands::readEffect() {
    Frame f = frameOf(code::kReadEffect);
    transport_.sendCommand(f);
    std::copy_n(f.begin() + 1, 3, image_.effectBlock.begin());
}

void DeviceCommands::writeEffect() {
    Frame f = frameOf(code::kWriteEffect);
    std::copy(image_.effectBlock.begin(), image_.effectBlock.end(), f.begin() + 1);
    transport_.sendCommand(f);
}

void DeviceCommands::readLedParams() {
    // One frame serves both requests: the second carries what the first answer left in it.
    Frame f{};
    for (std::uint8_t index = 0; index < 2; ++index) {
        f[0] = code::kReadLedParams;
        f[1] = index;
        transport_.sendCommand(f);
        if (f[1] < image_.ledParams.size()) {
            std::copy_n(f.begin() + 2, 3, image_.ledParams[f[1]].begin());
        }
        transport_.pause(kRepeatPauseMs);
    }
}

void DeviceCommands::writeLedParams() {
    for (std::uint8_t index = 0; index < 2; ++index) {
        Frame f = frameOf(code::kWriteLedParams);
        f[1] = index;
        std::copy(image_.ledParams[index].begin(), image_.ledParams[index].end(), f.begin() + 2);
        transport_.sendCommand(f);
        transport_.pause(kRepeatPauseMs);
    }
}

void DeviceCommands::readConfigBlocks() {
    for (std::uint8_t block = 0; block < 2; ++block) {
        Frame f = frameOf(code::kReadConfigBlock);
        f[1] = block;
        std::array<std::uint8_t, kLongestAnswer> answer{};
        transport_.transferLong(f, answer);
        if (f[1] < image_.configBlocks.size()) {
            const std::size_t length = std::min<std::size_t>(f[2], kConfigBlockSize);
            std::copy_n(answer.begin(), length, image_.configBlocks[f[1]].begin());
        }
        transport_.pause(kRepeatPauseMs);
    }
}

void DeviceCommands::writeConfigBlocks() {
    for (std::uint8_t block = 0; block < 2; ++block) {
        Frame f = frameOf(code::kWriteConfigBlock);
        f[1] = block;
        f[2] = kConfigBlockSize;
        std::array<std::uint8_t, 32> chunk{};
        std::copy(image_.configBlocks[block].begin(), image_.configBlocks[block].end(), chunk.begin());
        transport_.transferLong(f, chunk);
        transport_.pause(kRepeatPauseMs);
    }
}

void DeviceCommands::writeDpiStages() {
    Frame f = frameOf(code::kWriteDpiStages);
    f[1] = image_.dpiStageCount;
    f[2] = static_cast<std::uint8_t>(image_.dpiStages.size());
    std::array<std::uint8_t, 32> chunk{};
    std::copy(image_.dpiStages.begin(), image_.dpiStages.end(), chunk.begin());
    transport_.transferLong(f, chunk);
}

void DeviceCommands::writeKeyMatrices() {
    for (std::uint8_t matrix = 1; matrix <= kKeyMatrixCount; ++matrix) {
        Frame f = frameOf(code::kWriteKeyMatrix);
        f[1] = matrix;
        f[2] = static_cast<std::uint8_t>(sizeof(KeyMatrix));
        transport_.transferLong(f, image_.keyMatrices[matrix - 1]);
        transport_.pause(kRepeatPauseMs);
    }
}

void DeviceCommands::writeMacros() {
    for (std::uint8_t slot = 1; slot <= kMacroSlotCount; ++slot) {
        Frame f = frameOf(code::kWriteMacroSlot);
        f[1] = slot;
        f[2] = static_cast<std::uint8_t>(sizeof(MacroSlot));
        std::array<std::uint8_t, sizeof(MacroSlot)> bytes{};
        std::memcpy(bytes.data(), &image_.macroBuffer[slot - 1], bytes.size());
        transport_.transferLong(f, bytes);
        transport_.pause(kRepeatPauseMs);
    }
}

std::vector<unsigned> DeviceCommands::readBackMacros() {
    const std::array<MacroSlot, kMacroSlotCount> written = image_.macroBuffer;
    std::array<bool, kMacroSlotCount> answered{};
    for (std::uint8_t slot = 1; slot <= kMacroSlotCount; ++slot) {
        Frame f = frameOf(code::kReadMacroSlot);
        f[1] = slot;
        std::array<std::uint8_t, kLongestAnswer> answer{};
        transport_.transferLong(f, answer);
        if (f[1] >= 1 && f[1] <= kMacroSlotCount) {
            const std::size_t length = std::min<std::size_t>(f[2], sizeof(MacroSlot));
            std::memcpy(&image_.macroBuffer[f[1] - 1u], answer.data(), length);
            answered[slot - 1u] = f[1] == slot && length == sizeof(MacroSlot);
        }
        transport_.pause(kRepeatPauseMs);
    }
    // Compared after all twelve reads: an answer naming another slot may have overwritten one.
    std::vector<unsigned> differing;
    for (std::size_t i = 0; i < kMacroSlotCount; ++i) {
        if (!answered[i] || std::memcmp(&image_.macroBuffer[i], &written[i], sizeof(MacroSlot)) != 0) {
            differing.push_back(static_cast<unsigned>(i + 1));
        }
    }
    return differing;
}

} // namespace q417
