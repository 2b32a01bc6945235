#pragma once

#include "device/hid_system.h"

#include <filesystem>

namespace q417 {

// The system's HID interfaces on Linux: hidapi lists the hidraw nodes with their IDs, sysfs gives
// each node's report descriptor, and the nodes are opened as hidraw devices.
//
// The nodes are driven through the hidraw interface itself rather than through hidapi's handles:
// the event reader must wait in poll() on the event collection together with a wake-up eventfd,
// and hidapi does not hand out its descriptor, so a pending read could only be ended by closing
// the handle under it. The control collection takes the same few calls (HIDIOCSFEATURE,
// HIDIOCGFEATURE, write, read), and a failed open() tells why, so a missing permission can be
// told apart from a missing mouse.
class HidrawSystem final : public HidSystem {
public:
    // `sysfsClass` is where the hidraw nodes' sysfs entries live.
    explicit HidrawSystem(std::filesystem::path sysfsClass = "/sys/class/hidraw");
    ~HidrawSystem() override;
    HidrawSystem(const HidrawSystem&) = delete;
    HidrawSystem& operator=(const HidrawSystem&) = delete;

    bool enumerate(std::uint16_t vendorId, std::uint16_t productId, std::vector<HidInterface>& out) override;
    HidOpenResult open(const std::string& path, Access access) override;

    // The report descriptor of the node at `devicePath` (/dev/hidrawN), read from sysfs.
    [[nodiscard]] std::optional<std::vector<std::uint8_t>> readReportDescriptor(const std::string& devicePath) const;

private:
    std::filesystem::path sysfsClass_;
};

} // namespace q417
