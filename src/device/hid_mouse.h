#pragma once

#include "device/hid_backend.h"
#include "device/hid_system.h"
#include "device/report_descriptor.h"
#include "platform/message_sink.h"

#include <memory>
#include <string>

namespace q417 {

// The mouse on the system's HID interfaces. openDevice() finds it: the interfaces with the
// mouse's IDs are examined in the system's order, and within each the top-level collections in
// descriptor order. The event collection (usage page and usage 0xFF01, input reports) is opened
// for reading where it is met; discovery ends at the control collection (usage page and usage
// 0xFF00, feature reports), so an event collection listed after it is not opened and the event
// reader waits. An interface whose descriptor cannot be read or parsed ends discovery with a
// message; so does any open that fails.
//
// User-interface thread only; the event source it hands out may be read on another thread.
class HidMouse final : public HidBackend {
public:
    static constexpr std::uint16_t kControlUsage = 0xFF00; // usage page and usage
    static constexpr std::uint16_t kEventUsage = 0xFF01;

    // Both must outlive the mouse.
    HidMouse(HidSystem& system, MessageSink& messages);

    DeviceOpen openDevice() override;
    std::shared_ptr<EventSource> eventSource() override { return events_; }

    bool sendFeatureReport(std::span<const std::uint8_t> report) override;
    bool getFeatureReport(std::span<std::uint8_t> report) override;
    bool writeOutputReport(std::span<const std::uint8_t> report) override;
    bool readInputReport(std::span<std::uint8_t> report) override;
    bool readEventReport(std::span<std::uint8_t> report) override;

    [[nodiscard]] std::size_t featureReportLength() const override { return controlCaps_.featureReportLength; }
    [[nodiscard]] std::size_t outputReportLength() const override { return controlCaps_.outputReportLength; }
    [[nodiscard]] std::size_t inputReportLength() const override { return controlCaps_.inputReportLength; }

    // The interface examined last, as a discovery left it.
    [[nodiscard]] const std::string& devicePath() const { return devicePath_; }

private:
    DeviceOpen discover();
    DeviceOpen openFailed(const std::string& path, int error);
    void close();

    HidSystem& system_;
    MessageSink& messages_;
    std::shared_ptr<HidHandle> control_;
    bool controlNumbered_ = false;
    HidCollectionCaps controlCaps_{};
    std::shared_ptr<EventSource> events_;
    std::string devicePath_;
    bool accessDenied_ = false; // the last discovery ended for want of permission
};

} // namespace q417
