#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace q417::test {

using Bytes = std::vector<std::uint8_t>;

// Data bytes of each report type of one collection, report ID byte not counted; 0 = none.
struct ReportBytes {
    std::uint8_t input = 0;
    std::uint8_t output = 0;
    std::uint8_t feature = 0;
};

// One application collection on a vendor (two-byte) usage page, with byte-wide fields and, when
// `reportId` is not 0, its reports numbered.
inline Bytes vendorCollection(std::uint16_t page, std::uint16_t usage, ReportBytes reports, std::uint8_t reportId = 0) {
    const auto lo = [](std::uint16_t v) {
        return static_cast<std::uint8_t>(v & 0xFF);
    };
    const auto hi = [](std::uint16_t v) {
        return static_cast<std::uint8_t>(v >> 8);
    };
    Bytes d{0x06, lo(page), hi(page), 0x0A, lo(usage), hi(usage), 0xA1, 0x01};
    if (reportId != 0) {
        d.insert(d.end(), {0x85, reportId});
    }
    d.insert(d.end(), {0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08});
    const auto field = [&](std::uint8_t count, std::uint8_t mainItem) {
        if (count != 0) {
            d.insert(d.end(), {0x95, count, 0x09, 0x01, mainItem, 0x02});
        }
    };
    field(reports.input, 0x81);
    field(reports.output, 0x91);
    field(reports.feature, 0xB1);
    d.push_back(0xC0);
    return d;
}

// A boot keyboard's collection (generic desktop page), numbered with `reportId`.
inline Bytes keyboardCollection(std::uint8_t reportId) {
    return {0x05, 0x01, 0x09, 0x06, 0xA1, 0x01, 0x85, reportId, 0x05, 0x07, 0x19, 0xE0, 0x29,
            0xE7, 0x15, 0x00, 0x25, 0x01, 0x75, 0x01, 0x95,     0x08, 0x81, 0x02, 0x95, 0x06,
            0x75, 0x08, 0x26, 0xFF, 0x00, 0x19, 0x00, 0x2A,     0xFF, 0x00, 0x81, 0x00, 0xC0};
}

// The pointer collection of a plain mouse interface: buttons, X, Y and wheel.
inline Bytes pointerCollection() {
    return {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x09, 0x01, 0xA1, 0x00, 0x05, 0x09, 0x19, 0x01, 0x29, 0x05, 0x15, 0x00,
            0x25, 0x01, 0x95, 0x05, 0x75, 0x01, 0x81, 0x02, 0x95, 0x01, 0x75, 0x03, 0x81, 0x01, 0x05, 0x01, 0x09, 0x30,
            0x09, 0x31, 0x09, 0x38, 0x15, 0x81, 0x25, 0x7F, 0x75, 0x08, 0x95, 0x03, 0x81, 0x06, 0xC0, 0xC0};
}

// The mouse's control collection: 8-byte frames in feature reports, 32-byte chunks both ways.
inline Bytes controlCollection() {
    return vendorCollection(0xFF00, 0xFF00, {.input = 32, .output = 32, .feature = 8});
}

// The mouse's event collection: report 6, kind, unused byte, value and padding.
inline Bytes eventCollection() {
    return vendorCollection(0xFF01, 0xFF01, {.input = 7}, 6);
}

inline Bytes joined(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& p : parts) {
        all.insert(all.end(), p.begin(), p.end());
    }
    return all;
}

} // namespace q417::test
