#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace q417 {

// One opened mouse, as the link layer sees it: the control collection (feature reports for
// command frames, output and input reports for data chunks) and the event collection. Every
// report starts with its report ID byte; the lengths include it. Calls return whether the
// system call succeeded; after a failed read the buffer may hold anything.
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
};

} // namespace q417
