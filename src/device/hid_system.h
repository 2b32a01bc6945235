#pragma once

#include "device/event_source.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace q417 {

// One HID interface as the system lists it: a node the program can open, with its IDs and its
// report descriptor, which tells the top-level collections it carries.
struct HidInterface {
    std::string path; // e.g. /dev/hidraw3
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::optional<std::vector<std::uint8_t>> reportDescriptor; // none: it could not be read
};

// One opened HID interface. Every report starts with its report ID byte as the system passes it:
// feature reports always carry it, input reports only when the interface numbers its reports.
// Input reads never block; waitForReport() waits in poll() for the next one.
class HidHandle : public EventSource {
public:
    virtual bool sendFeatureReport(std::span<const std::uint8_t> report) = 0;
    virtual bool getFeatureReport(std::span<std::uint8_t> report) = 0;
    virtual bool writeReport(std::span<const std::uint8_t> report) = 0;
    virtual ReportRead waitForReport(std::span<std::uint8_t> report) = 0;
};

struct HidOpenResult {
    std::shared_ptr<HidHandle> handle; // null when the open failed
    int error = 0;                     // errno of the failed open
};

// The system's HID interfaces: listing and opening. The real one is HidrawSystem; tests script it.
class HidSystem {
public:
    enum class Access : std::uint8_t { Read, ReadWrite };

    virtual ~HidSystem() = default;

    // The interfaces present, in the system's order. At least those with the given IDs are listed;
    // others may be. False when the interfaces cannot be listed at all.
    virtual bool enumerate(std::uint16_t vendorId, std::uint16_t productId, std::vector<HidInterface>& out) = 0;

    virtual HidOpenResult open(const std::string& path, Access access) = 0;
};

} // namespace q417
