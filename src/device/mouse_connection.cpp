#include "device/mouse_connection.h"

#include "device/mouse_ids.h"

namespace q417 {

MouseConnection::MouseConnection(HidBackend& hid, Transport& transport, EventReader& reader, DeviceStatusSink& status,
                                 Hooks hooks)
    : hid_(hid)
    , transport_(transport)
    , reader_(reader)
    , status_(status)
    , hooks_(std::move(hooks)) {}

DeviceOpen MouseConnection::start() {
    const DeviceOpen outcome = open();
    if (outcome == DeviceOpen::Opened) {
        transport_.handshake();
    } else {
        if (outcome == DeviceOpen::NotFound) {
            status_.deviceStatus(DeviceStatusCode::MouseNotDetected, 0);
        }
        transport_.setDeviceReady(false);
    }
    reader_.wake();
    if (transport_.deviceReady()) {
        // Without its thread the link still works; only the mouse's own events go unseen.
        (void)reader_.start();
    }
    return outcome;
}

bool MouseConnection::onDeviceChange(const DeviceChange& change) {
    if (!isMouseDevicePath(change.devpath)) {
        return false;
    }
    const DeviceOpen outcome = open();
    if (outcome != DeviceOpen::Opened) {
        lost(outcome);
        return true;
    }
    transport_.handshake();
    if (change.kind == DeviceChange::Kind::Arrival) {
        if (transport_.deviceReady() && hooks_.refreshSensorBlock) {
            hooks_.refreshSensorBlock();
        }
        (void)reader_.start();
    }
    reader_.wake();
    return true;
}

DeviceOpen MouseConnection::open() {
    const DeviceOpen outcome = hid_.openDevice();
    reader_.setSource(hid_.eventSource());
    return outcome;
}

void MouseConnection::lost(DeviceOpen outcome) {
    if (outcome == DeviceOpen::NotFound) {
        status_.deviceStatus(DeviceStatusCode::MouseNotDetected, 0);
    }
    if (hooks_.hideWindow) {
        hooks_.hideWindow();
    }
    transport_.setDeviceReady(false);
    reader_.wake();
}

} // namespace q417
