#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace q417 {

// What the program needs to know of one top-level collection of a HID interface. Report lengths
// count the report ID byte, whether or not the interface numbers its reports, and are the longest
// report of that type in the collection; 0 when the collection has none.
struct HidCollectionCaps {
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    std::uint16_t inputReportLength = 0;
    std::uint16_t outputReportLength = 0;
    std::uint16_t featureReportLength = 0;

    bool operator==(const HidCollectionCaps&) const = default;
};

struct ReportDescriptorInfo {
    std::vector<HidCollectionCaps> collections; // in descriptor order
    bool numberedReports = false;               // the interface declares report IDs

    bool operator==(const ReportDescriptorInfo&) const = default;
};

// Parses an interface's report descriptor: short and long items, several top-level collections,
// report IDs, push and pop. Nothing when the descriptor is malformed: an item cut short, a
// collection ended that was never opened or never ended, a pop without a push, report ID 0 or
// above 255, or a report longer than 65535 bytes.
[[nodiscard]] std::optional<ReportDescriptorInfo> parseReportDescriptor(std::span<const std::uint8_t> bytes);

} // namespace q417
