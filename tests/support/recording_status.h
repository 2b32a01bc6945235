#pragma once

#include "device/device_status_sink.h"

#include <vector>

namespace q417::test {

// Keeps every device-status message.
class RecordingStatus : public DeviceStatusSink {
public:
    struct Message {
        DeviceStatusCode code;
        int value;
        bool operator==(const Message&) const = default;
    };
    void deviceStatus(DeviceStatusCode code, int value) override { messages.push_back({code, value}); }
    std::vector<Message> messages;
};

} // namespace q417::test
