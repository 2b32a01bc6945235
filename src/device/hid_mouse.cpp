#include "device/hid_mouse.h"

#include "device/mouse_ids.h"

#include <algorithm>
#include <cerrno>
#include <vector>

namespace q417 {

namespace {

// Hidraw gives an interface's input reports with their report ID byte only when the interface
// numbers its reports; the program always wants it in byte 0.
template <typename Read> ReportRead readWithReportId(std::span<std::uint8_t> report, bool numbered, Read read) {
    if (numbered) {
        return read(report);
    }
    if (report.empty()) {
        return {ReportRead::Status::Report, 0};
    }
    ReportRead r = read(report.subspan(1));
    report[0] = 0;
    if (r.ok()) {
        ++r.length;
    }
    return r;
}

// The event collection as the reader sees it.
class EventCollection final : public EventSource {
public:
    EventCollection(std::shared_ptr<HidHandle> handle, bool numbered)
        : handle_(std::move(handle))
        , numbered_(numbered) {}

    [[nodiscard]] int pollFd() const override { return handle_->pollFd(); }

    ReportRead readReport(std::span<std::uint8_t> report) override {
        return readWithReportId(report, numbered_, [&](std::span<std::uint8_t> r) { return handle_->readReport(r); });
    }

private:
    std::shared_ptr<HidHandle> handle_;
    bool numbered_;
};

std::string permissionMessage(const std::string& path) {
    return "The gaming mouse is connected, but this user may not open " + path +
           " (permission denied). Install the udev rule 60-q417-mouse.rules into /etc/udev/rules.d or "
           "/usr/local/lib/udev/rules.d (\"cmake --install\" does), run \"sudo udevadm control --reload\", "
           "then unplug the mouse and plug it in again.";
}

} // namespace

HidMouse::HidMouse(HidSystem& system, MessageSink& messages)
    : system_(system)
    , messages_(messages) {}

DeviceOpen HidMouse::openDevice() {
    close();
    const DeviceOpen outcome = discover();
    accessDenied_ = outcome == DeviceOpen::AccessDenied;
    return outcome;
}

DeviceOpen HidMouse::discover() {
    std::vector<HidInterface> interfaces;
    if (!system_.enumerate(kMouseVendorId, kMouseProductId, interfaces)) {
        return DeviceOpen::NotFound;
    }
    for (const HidInterface& node : interfaces) {
        devicePath_ = node.path;
        if (node.vendorId != kMouseVendorId || node.productId != kMouseProductId) {
            continue;
        }
        if (!node.reportDescriptor) {
            messages_.showMessage("HidD_GetPreparsedData failed.\n", "");
            return DeviceOpen::NotFound;
        }
        const std::optional<ReportDescriptorInfo> info = parseReportDescriptor(*node.reportDescriptor);
        if (!info) {
            messages_.showMessage("HidP_GetCaps failed.", "");
            return DeviceOpen::NotFound;
        }
        for (const HidCollectionCaps& caps : info->collections) {
            if (caps.usage == kEventUsage) {
                if (caps.usagePage != kEventUsage || caps.inputReportLength == 0) {
                    continue;
                }
                HidOpenResult opened = system_.open(node.path, HidSystem::Access::Read);
                if (!opened.handle) {
                    return openFailed(node.path, opened.error);
                }
                events_ = std::make_shared<EventCollection>(std::move(opened.handle), info->numberedReports);
            } else if (caps.usage == kControlUsage && caps.usagePage == kControlUsage &&
                       caps.featureReportLength != 0) {
                HidOpenResult opened = system_.open(node.path, HidSystem::Access::ReadWrite);
                if (!opened.handle) {
                    return openFailed(node.path, opened.error);
                }
                control_ = std::move(opened.handle);
                controlNumbered_ = info->numberedReports;
                controlCaps_ = caps;
                return DeviceOpen::Opened;
            }
        }
    }
    return DeviceOpen::NotFound;
}

DeviceOpen HidMouse::openFailed(const std::string& path, int error) {
    if (error != EACCES && error != EPERM) {
        return DeviceOpen::NotFound;
    }
    // Every interface of the mouse arrives on its own: say it once, not once per interface.
    if (!accessDenied_) {
        messages_.showMessage(permissionMessage(path), "Warning");
    }
    return DeviceOpen::AccessDenied;
}

void HidMouse::close() {
    control_.reset();
    controlNumbered_ = false;
    controlCaps_ = {};
    events_.reset();
}

bool HidMouse::sendFeatureReport(std::span<const std::uint8_t> report) {
    return control_ && control_->sendFeatureReport(report);
}

bool HidMouse::getFeatureReport(std::span<std::uint8_t> report) {
    return control_ && control_->getFeatureReport(report);
}

bool HidMouse::writeOutputReport(std::span<const std::uint8_t> report) {
    return control_ && control_->writeReport(report);
}

bool HidMouse::readInputReport(std::span<std::uint8_t> report) {
    if (!control_) {
        return false;
    }
    return readWithReportId(report, controlNumbered_,
                            [&](std::span<std::uint8_t> r) { return control_->waitForReport(r); })
        .ok();
}

bool HidMouse::readEventReport(std::span<std::uint8_t> report) {
    return events_ && events_->readReport(report).ok();
}

} // namespace q417
