#pragma once

#include "config/device_image.h"

#include <cstdint>
#include <vector>

namespace q417 {

class Transport;

// Every command the program sends to the mouse, reading into and writing from the device image.
// Fire-and-forget like the transport: a read that gets no answer leaves zeros, and the pacing
// pauses between repeated commands are part of the protocol.
class DeviceCommands {
public:
    static constexpr unsigned kRepeatPauseMs = 2;

    DeviceCommands(Transport& transport, DeviceImage& image)
        : transport_(transport)
        , image_(image) {}

    // Reads the sensor block and keeps its kind; writes nothing.
    void readSensorBlock();
    // Reads the sensor block, keeps its kind, sets bit 0x40 of option 2 and writes it back.
    void refreshSensorBlock();
    void setReportRate(std::uint8_t reportRate);
    void readEffect();
    void writeEffect();
    void readLedParams();
    void writeLedParams();
    void readConfigBlocks();
    void writeConfigBlocks();
    void writeDpiStages();
    void writeKeyMatrices();
    void writeMacros();
    // Reads the twelve slots back into the macro buffer and returns the slots (1 to 12) whose answer
    // differs from what the buffer held before: other bytes, a short answer, or none for that slot.
    std::vector<unsigned> readBackMacros();

private:
    Transport& transport_;
    DeviceImage& image_;
};

} // namespace q417
