#pragma once

#include "device/device_monitor.h"
#include "device/device_status_sink.h"
#include "device/event_reader.h"
#include "device/hid_backend.h"
#include "device/transport.h"

#include <functional>

namespace q417 {

// Keeps the link to the mouse across plug-in and pull-out: discovery and handshake at start and on
// every arrival or removal of one of the mouse's hidraw nodes, and the event reader fed with the
// event collection of the latest discovery. User-interface thread only.
//
//     start()                  discovery; handshake when the mouse is there, else status 15; the
//                              reader starts when the mouse is ready
//     arrival of the mouse     discovery; if it fails: status 15, window hidden, not ready;
//                              otherwise handshake, sensor block refresh when ready, reader started
//                              if it was not
//     removal of the mouse     discovery; if it fails (the usual case): status 15, window hidden,
//                              not ready; otherwise (another interface of it remains) handshake
//
// A mouse that is there but may not be opened gets no status 15: discovery has told the user why
// and how to fix it. Changes of other devices change nothing.
class MouseConnection {
public:
    struct Hooks {
        std::function<void()> refreshSensorBlock; // the mouse came ready on an arrival
        std::function<void()> hideWindow;         // the mouse is gone
    };

    // Everything must outlive the connection; the reader's ready check should read
    // transport.deviceReady().
    MouseConnection(HidBackend& hid, Transport& transport, EventReader& reader, DeviceStatusSink& status, Hooks hooks);

    DeviceOpen start();
    // Returns whether the change concerned the mouse.
    bool onDeviceChange(const DeviceChange& change);

private:
    DeviceOpen open();
    void lost(DeviceOpen outcome);

    HidBackend& hid_;
    Transport& transport_;
    EventReader& reader_;
    DeviceStatusSink& status_;
    Hooks hooks_;
};

} // namespace q417
