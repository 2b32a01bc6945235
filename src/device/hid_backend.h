#pragma once

#include "device/event_source.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace q417 {

// What a discovery of the mouse came to.
enum class DeviceOpen : std::uint8_t {
    Opened,       // the control collection is open
    NotFound,     // no usable mouse; a failure the user must know of has been shown
    AccessDenied, // the mouse is there but this user may not open it; the user has been told how to fix it
};

// One opened mouse, as the link layer sees it: the control collection (feature reports for
// command frames, output and input reports for data chunks) and the event collection. Every
// report starts with its report ID byte; the lengths include it. Calls return whether the
// system call succeeded; after a failed read the buffer may hold anything. With no control
// collection open every call fails.
class HidBackend {
public:
    virtual ~HidBackend() = default;

    // Control collection. Report ID 0 in byte 0.
    virtual bool sendFeatureReport(std::span<const std::uint8_t> report) = 0;
    virtual bool getFeatureReport(std::span<std::uint8_t> report) = 0;
    virtual bool writeOutputReport(std::span<const std::uint8_t> report) = 0;
    // Blocks until the mouse sends an input report on the control collection.
    virtual bool readInputReport(std::span<std::uint8_t> report) = 0;

    [[nodiscard]] virtual std::size_t featureReportLength() const = 0;
    [[nodiscard]] virtual std::size_t outputReportLength() const = 0;
    [[nodiscard]] virtual std::size_t inputReportLength() const = 0;

    // Event collection (report ID 6). Does not block: false when no event is queued.
    virtual bool readEventReport(std::span<std::uint8_t> report) = 0;

    // Finds the mouse and opens its collections; what an earlier call opened is closed first.
    // A back end that is simply there (a test double) is always open.
    virtual DeviceOpen openDevice() { return DeviceOpen::Opened; }

    // The event collection the last openDevice() opened, for the event reader; it stays usable
    // for as long as the reader holds it. Null when there is none.
    virtual std::shared_ptr<EventSource> eventSource() { return nullptr; }
};

} // namespace q417
