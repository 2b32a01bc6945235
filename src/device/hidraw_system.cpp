#include "device/hidraw_system.h"

#include "device/unique_fd.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <hidapi/hidapi.h>
#include <linux/hidraw.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace q417 {

namespace {

// The kernel never hands out a longer descriptor (HID_MAX_DESCRIPTOR_SIZE).
constexpr std::size_t kMaxDescriptorSize = 4096;

// One opened hidraw node. The descriptor is non-blocking, so a read never waits behind the
// caller's back; waitForReport() waits in poll().
class HidrawHandle final : public HidHandle {
public:
    explicit HidrawHandle(UniqueFd fd)
        : fd_(std::move(fd)) {}

    [[nodiscard]] int pollFd() const override { return fd_.get(); }

    ReportRead readReport(std::span<std::uint8_t> report) override {
        for (;;) {
            const ssize_t n = ::read(fd_.get(), report.data(), report.size());
            if (n >= 0) {
                return {ReportRead::Status::Report, static_cast<std::size_t>(n)};
            }
            if (errno == EINTR) {
                continue;
            }
            // EIO or ENODEV once the device is unplugged; nothing comes after that.
            return {errno == EAGAIN ? ReportRead::Status::Nothing : ReportRead::Status::Gone, 0};
        }
    }

    ReportRead waitForReport(std::span<std::uint8_t> report) override {
        for (;;) {
            ReportRead read = readReport(report);
            if (read.status != ReportRead::Status::Nothing) {
                return read;
            }
            pollfd fd{fd_.get(), POLLIN, 0};
            if (::poll(&fd, 1, -1) < 0 && errno != EINTR) {
                return {ReportRead::Status::Gone, 0};
            }
        }
    }

    // On USB the kernel keeps report ID 0 in byte 0 and the report's data behind it, for a
    // feature report sent and read alike.
    bool sendFeatureReport(std::span<const std::uint8_t> report) override {
        std::vector<std::uint8_t> buffer(report.begin(), report.end());
        return !buffer.empty() && ::ioctl(fd_.get(), HIDIOCSFEATURE(buffer.size()), buffer.data()) >= 0;
    }

    bool getFeatureReport(std::span<std::uint8_t> report) override {
        return !report.empty() && ::ioctl(fd_.get(), HIDIOCGFEATURE(report.size()), report.data()) >= 0;
    }

    bool writeReport(std::span<const std::uint8_t> report) override {
        for (;;) {
            const ssize_t n = ::write(fd_.get(), report.data(), report.size());
            if (n >= 0 || errno != EINTR) {
                return n >= 0;
            }
        }
    }

private:
    UniqueFd fd_;
};

struct EnumerationDeleter {
    void operator()(hid_device_info* list) const { hid_free_enumeration(list); }
};

} // namespace

HidrawSystem::HidrawSystem(std::filesystem::path sysfsClass)
    : sysfsClass_(std::move(sysfsClass)) {}

HidrawSystem::~HidrawSystem() {
    // hidapi keeps an error text of its last enumeration; give it back.
    hid_exit();
}

bool HidrawSystem::enumerate(std::uint16_t vendorId, std::uint16_t productId, std::vector<HidInterface>& out) {
    out.clear();
    // No list means no such device as often as a failure, and hidapi does not tell them apart.
    const std::unique_ptr<hid_device_info, EnumerationDeleter> list(hid_enumerate(vendorId, productId));
    for (const hid_device_info* d = list.get(); d != nullptr; d = d->next) {
        if (d->path == nullptr) {
            continue;
        }
        // One entry per node: some hidapi versions list a node once for each of its collections.
        const std::string path = d->path;
        if (std::any_of(out.begin(), out.end(), [&](const HidInterface& i) { return i.path == path; })) {
            continue;
        }
        out.push_back({path, d->vendor_id, d->product_id, readReportDescriptor(path)});
    }
    return true;
}

HidOpenResult HidrawSystem::open(const std::string& path, Access access) {
    const int mode = access == Access::ReadWrite ? O_RDWR : O_RDONLY;
    UniqueFd fd(::open(path.c_str(), mode | O_NONBLOCK | O_CLOEXEC));
    if (!fd.valid()) {
        return {nullptr, errno};
    }
    return {std::make_shared<HidrawHandle>(std::move(fd)), 0};
}

std::optional<std::vector<std::uint8_t>> HidrawSystem::readReportDescriptor(const std::string& devicePath) const {
    const std::filesystem::path node(devicePath);
    std::ifstream in(sysfsClass_ / node.filename() / "device" / "report_descriptor", std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::array<char, kMaxDescriptorSize + 1> buffer{};
    in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    if (in.bad()) {
        return std::nullopt;
    }
    const auto count = static_cast<std::size_t>(in.gcount());
    if (count > kMaxDescriptorSize) {
        return std::nullopt;
    }
    return std::vector<std::uint8_t>(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(count));
}

} // namespace q417
