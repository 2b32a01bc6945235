#include "device/mouse_ids.h"

#include "platform/hex_digit.h"

#include <cstddef>

namespace q417 {

namespace {

// Four hex digits at `s`, or -1.
int hex4(std::string_view s) {
    int value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        const int d = hexDigitValue(s[i]);
        if (d < 0) {
            return -1;
        }
        value = value * 16 + d;
    }
    return value;
}

bool isMouseHidName(std::string_view name) {
    // "BBBB:VVVV:PPPP." then one or more hex digits.
    constexpr std::size_t kPrefix = 15;
    if (name.size() <= kPrefix || name[4] != ':' || name[9] != ':' || name[14] != '.') {
        return false;
    }
    for (const char c : name.substr(kPrefix)) {
        if (hexDigitValue(c) < 0) {
            return false;
        }
    }
    return hex4(name) >= 0 && hex4(name.substr(5)) == kMouseVendorId && hex4(name.substr(10)) == kMouseProductId;
}

} // namespace

bool isMouseDevicePath(std::string_view devpath) {
    while (!devpath.empty()) {
        const std::size_t slash = devpath.find('/');
        if (isMouseHidName(devpath.substr(0, slash))) {
            return true;
        }
        if (slash == std::string_view::npos) {
            break;
        }
        devpath.remove_prefix(slash + 1);
    }
    return false;
}

} // namespace q417
