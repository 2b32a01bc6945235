#pragma once

namespace q417 {

// Device-status codes sent to the main window.
inline constexpr int kStatusMouseDetected = 14;
inline constexpr int kStatusMouseNotDetected = 15;

// Receives device-status messages: the handshake's result (14 or 15, value 0) and, later, the
// mouse's own events (kind and value).
class DeviceStatusSink {
public:
    virtual ~DeviceStatusSink() = default;
    virtual void deviceStatus(int code, int value) = 0;
};

} // namespace q417
