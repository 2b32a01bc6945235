#pragma once

#include "device/hid_system.h"
#include "device/mouse_ids.h"
#include "device/report_queue.h"
#include "device/simulated_mouse.h"

#include <algorithm>
#include <array>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace q417::test {

// An opened node of a scripted system. Its control side is answered by a simulated mouse's
// firmware when it has one (every call fails otherwise); its input reports are what the test
// pushes. Input reports of the control side come, as hidraw gives them for an interface that does
// not number its reports, without their report ID byte.
class ScriptedHidHandle final : public HidHandle {
public:
    explicit ScriptedHidHandle(SimulatedMouse* firmware)
        : firmware_(firmware) {}

    [[nodiscard]] int pollFd() const override { return reports_.pollFd(); }
    ReportRead readReport(std::span<std::uint8_t> report) override { return reports_.readReport(report); }
    ReportRead waitForReport(std::span<std::uint8_t> report) override {
        if (firmware_ == nullptr) {
            return reports_.readReport(report);
        }
        std::array<std::uint8_t, SimulatedMouse::kInputReportLength> chunk{};
        if (!firmware_->readInputReport(chunk)) {
            return {ReportRead::Status::Gone, 0};
        }
        const std::size_t length = std::min(report.size(), chunk.size() - 1);
        std::copy_n(chunk.begin() + 1, length, report.begin());
        return {ReportRead::Status::Report, length};
    }
    bool sendFeatureReport(std::span<const std::uint8_t> report) override {
        return firmware_ != nullptr && firmware_->sendFeatureReport(report);
    }
    bool getFeatureReport(std::span<std::uint8_t> report) override {
        return firmware_ != nullptr && firmware_->getFeatureReport(report);
    }
    bool writeReport(std::span<const std::uint8_t> report) override {
        return firmware_ != nullptr && firmware_->writeOutputReport(report);
    }

    ReportQueue& reports() { return reports_; }

private:
    SimulatedMouse* firmware_;
    ReportQueue reports_;
};

// HID interfaces as a test lists them. Opening a node gives a fresh ScriptedHidHandle each time,
// as opening a hidraw node twice gives two descriptors that each see every input report.
// Thread-safe, so a test may push reports while another thread discovers.
class ScriptedHidSystem final : public HidSystem {
public:
    struct Node {
        HidInterface info;
        int openError = 0;                  // errno of every open; 0 = opens
        SimulatedMouse* firmware = nullptr; // answers the control side
    };
    struct Opened {
        std::string path;
        Access access;
        std::weak_ptr<ScriptedHidHandle> handle;
    };

    // A node of the mouse with `descriptor`.
    static Node mouseNode(std::string path, std::vector<std::uint8_t> descriptor, SimulatedMouse* firmware = nullptr) {
        return {{std::move(path), kMouseVendorId, kMouseProductId, std::move(descriptor)}, 0, firmware};
    }

    bool enumerate(std::uint16_t, std::uint16_t, std::vector<HidInterface>& out) override {
        const std::lock_guard lock(mutex_);
        ++enumerations_;
        out.clear();
        for (const Node& n : nodes_) {
            out.push_back(n.info);
        }
        return !enumerationFails_;
    }

    HidOpenResult open(const std::string& path, Access access) override {
        const std::lock_guard lock(mutex_);
        const auto node =
            std::find_if(nodes_.begin(), nodes_.end(), [&](const Node& n) { return n.info.path == path; });
        if (node == nodes_.end()) {
            return {nullptr, ENOENT};
        }
        if (node->openError != 0) {
            return {nullptr, node->openError};
        }
        auto handle = std::make_shared<ScriptedHidHandle>(node->firmware);
        opened_.push_back({path, access, handle});
        return {handle, 0};
    }

    void setNodes(std::vector<Node> nodes) {
        const std::lock_guard lock(mutex_);
        nodes_ = std::move(nodes);
    }
    void setEnumerationFails(bool fails) {
        const std::lock_guard lock(mutex_);
        enumerationFails_ = fails;
    }

    // Queues `report` on every open handle of the node at `path`.
    void pushReport(const std::string& path, const std::vector<std::uint8_t>& report) {
        for (const auto& handle : liveHandles(path)) {
            handle->reports().push(report);
        }
    }

    // The node is no longer listed and its open handles fail, as when its device is pulled out.
    void unplug(const std::string& path) {
        {
            const std::lock_guard lock(mutex_);
            std::erase_if(nodes_, [&](const Node& n) { return n.info.path == path; });
        }
        for (const auto& handle : liveHandles(path)) {
            handle->reports().setGone(true);
        }
    }

    [[nodiscard]] std::vector<Opened> opened() const {
        const std::lock_guard lock(mutex_);
        return opened_;
    }
    // Handles not yet closed, over all nodes.
    [[nodiscard]] std::size_t openHandleCount() const {
        const std::lock_guard lock(mutex_);
        return static_cast<std::size_t>(
            std::count_if(opened_.begin(), opened_.end(), [](const Opened& o) { return !o.handle.expired(); }));
    }
    [[nodiscard]] int enumerations() const {
        const std::lock_guard lock(mutex_);
        return enumerations_;
    }

private:
    std::vector<std::shared_ptr<ScriptedHidHandle>> liveHandles(const std::string& path) const {
        const std::lock_guard lock(mutex_);
        std::vector<std::shared_ptr<ScriptedHidHandle>> handles;
        for (const Opened& o : opened_) {
            if (auto h = o.handle.lock(); h && o.path == path) {
                handles.push_back(std::move(h));
            }
        }
        return handles;
    }

    mutable std::mutex mutex_;
    std::vector<Node> nodes_;
    bool enumerationFails_ = false;
    std::vector<Opened> opened_;
    int enumerations_ = 0;
};

} // namespace q417::test
