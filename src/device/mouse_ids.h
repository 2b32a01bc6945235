#pragma once

#include <cstdint>
#include <string_view>

namespace q417 {

inline constexpr std::uint16_t kMouseVendorId = 0x04D9;
inline constexpr std::uint16_t kMouseProductId = 0xA09F;

// Whether the sysfs path of a device (a hidraw node's DEVPATH) lies under one of the mouse's HID
// devices, whose sysfs names are "BBBB:04D9:A09F.NNNN" (bus, vendor, product, instance; hex digits
// of either case). The path names the mouse on removal too, when its sysfs entries are gone.
[[nodiscard]] bool isMouseDevicePath(std::string_view devpath);

} // namespace q417
