// Parses any bytes as an interface's report descriptor: a malformed one must be refused, never
// crash, and what is accepted must give lengths the capability fields can hold.
#include "device/report_descriptor.h"

#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto info = q417::parseReportDescriptor(std::span<const std::uint8_t>(data, size));
    if (!info) {
        return 0;
    }
    for (const q417::HidCollectionCaps& c : info->collections) {
        // A report has its ID byte and at least one byte of data, or it does not exist.
        for (const std::uint16_t length : {c.inputReportLength, c.outputReportLength, c.featureReportLength}) {
            if (length == 1) {
                std::abort();
            }
        }
    }
    return 0;
}
