#pragma once

#include <cstdint>

namespace q417 {

// Device-status codes sent to the main window: the kinds of the mouse's event reports (the report's
// kind byte, so any value may arrive) and the link's own news.
enum class DeviceStatusCode : std::uint8_t {
    ReportRateSwitched = 5,
    DpiStageSwitched = 7,
    KeyMatrixSwitched = 8,
    MacroSwitched = 9,
    MouseDetected = 14,
    MouseNotDetected = 15,
};

// Receives device-status messages: the handshake's result (detected or not, value 0) and, later,
// the mouse's own events (kind and value).
class DeviceStatusSink {
public:
    virtual ~DeviceStatusSink() = default;
    virtual void deviceStatus(DeviceStatusCode code, int value) = 0;
};

} // namespace q417
