#include "device/mouse_ids.h"

#include <gtest/gtest.h>

namespace q417 {
namespace {

TEST(MouseDevicePath, NamesTheMouseByTheHidDeviceItLiesUnder) {
    struct Case {
        const char* devpath;
        bool mouse;
    };
    const Case cases[] = {
        {"/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.1/0003:04D9:A09F.0007/hidraw/hidraw3", true},
        {"/devices/virtual/misc/uhid/0003:04d9:a09f.0001/hidraw/hidraw0", true},
        {"/devices/pci0000:00/0000:00:14.0/usb1/1-3/1-3:1.0/0003:046D:C077.0002/hidraw/hidraw1", false},
        {"/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.1/0003:04D9:A0A0.0005/hidraw/hidraw4", false},
        {"/devices/platform/0003:04D9:A09F/hidraw/hidraw3", false}, // no instance number
        {"/devices/platform/0003:04D9:A09F.00X7/hidraw/hidraw3", false},
        {"0003:04D9:A09F.0007", true},
        {"", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(isMouseDevicePath(c.devpath), c.mouse) << c.devpath;
    }
}

} // namespace
} // namespace q417
