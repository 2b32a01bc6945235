#include "device/report_descriptor.h"

#include <algorithm>
#include <array>

namespace q417 {

namespace {

// Item prefix: bits 0-1 data size code (0, 1, 2 or 4 bytes), bits 2-3 type, bits 4-7 tag.
enum class ItemType : std::uint8_t { Main = 0, Global = 1, Local = 2, Reserved = 3 };

namespace main_tag {
constexpr std::uint8_t kInput = 0x8;
constexpr std::uint8_t kOutput = 0x9;
constexpr std::uint8_t kCollection = 0xA;
constexpr std::uint8_t kFeature = 0xB;
constexpr std::uint8_t kEndCollection = 0xC;
} // namespace main_tag

namespace global_tag {
constexpr std::uint8_t kUsagePage = 0x0;
constexpr std::uint8_t kReportSize = 0x7;
constexpr std::uint8_t kReportId = 0x8;
constexpr std::uint8_t kReportCount = 0x9;
constexpr std::uint8_t kPush = 0xA;
constexpr std::uint8_t kPop = 0xB;
} // namespace global_tag

namespace local_tag {
constexpr std::uint8_t kUsage = 0x0;
} // namespace local_tag

constexpr std::uint8_t kLongItemPrefix = 0xFE;
constexpr std::array<std::size_t, 4> kDataSizes{0, 1, 2, 4};
// Deeper than any real descriptor; bounds what a hostile one can make us keep.
constexpr std::size_t kMaxPushDepth = 16;
// A report length must fit the 16-bit capability fields, report ID byte included.
constexpr std::uint64_t kMaxReportBits = 8ULL * (0xFFFF - 1);

enum ReportType : std::size_t { kInputReport, kOutputReport, kFeatureReport, kReportTypeCount };

struct Globals {
    std::uint32_t usagePage = 0;
    std::uint32_t reportSize = 0;
    std::uint32_t reportCount = 0;
    std::uint8_t reportId = 0;
};

struct ReportBits {
    ReportType type;
    std::uint8_t id;
    std::uint64_t bits;
};

class Parser {
public:
    std::optional<ReportDescriptorInfo> run(std::span<const std::uint8_t> bytes) {
        std::size_t pos = 0;
        while (pos < bytes.size()) {
            const std::uint8_t prefix = bytes[pos++];
            if (prefix == kLongItemPrefix) {
                // Long items carry vendor data no collection needs: skip them whole.
                if (bytes.size() - pos < 2 || bytes.size() - pos - 2 < bytes[pos]) {
                    return std::nullopt;
                }
                pos += 2 + std::size_t{bytes[pos]};
                continue;
            }
            const std::size_t size = kDataSizes[prefix & 0x3U];
            if (bytes.size() - pos < size) {
                return std::nullopt;
            }
            std::uint32_t data = 0;
            for (std::size_t i = size; i-- > 0;) {
                data = (data << 8) | bytes[pos + i];
            }
            pos += size;
            const auto type = static_cast<ItemType>((prefix >> 2) & 0x3U);
            const auto tag = static_cast<std::uint8_t>(prefix >> 4);
            if (!item(type, tag, data, size)) {
                return std::nullopt;
            }
        }
        if (depth_ != 0) {
            return std::nullopt;
        }
        return finish();
    }

private:
    bool item(ItemType type, std::uint8_t tag, std::uint32_t data, std::size_t size) {
        switch (type) {
        case ItemType::Main:
            return mainItem(tag);
        case ItemType::Global:
            return globalItem(tag, data);
        case ItemType::Local:
            if (tag == local_tag::kUsage && !usage_) {
                // A four-byte usage names its own page in the high half.
                usage_ = size == 4 ? data : ((globals_.usagePage & 0xFFFFU) << 16) | (data & 0xFFFFU);
            }
            return true;
        case ItemType::Reserved:
            return true;
        }
        return true;
    }

    bool mainItem(std::uint8_t tag) {
        bool ok = true;
        switch (tag) {
        case main_tag::kCollection:
            if (depth_ == 0) {
                const std::uint32_t usage = usage_.value_or(0);
                collections_.push_back({});
                collections_.back().caps.usagePage = static_cast<std::uint16_t>(usage >> 16);
                collections_.back().caps.usage = static_cast<std::uint16_t>(usage & 0xFFFFU);
            }
            ++depth_;
            break;
        case main_tag::kEndCollection:
            ok = depth_ > 0;
            depth_ = ok ? depth_ - 1 : 0;
            break;
        case main_tag::kInput:
            ok = addReport(kInputReport);
            break;
        case main_tag::kOutput:
            ok = addReport(kOutputReport);
            break;
        case main_tag::kFeature:
            ok = addReport(kFeatureReport);
            break;
        default:
            break;
        }
        usage_.reset(); // local items last until the next main item
        return ok;
    }

    bool globalItem(std::uint8_t tag, std::uint32_t data) {
        switch (tag) {
        case global_tag::kUsagePage:
            globals_.usagePage = data;
            return true;
        case global_tag::kReportSize:
            globals_.reportSize = data;
            return true;
        case global_tag::kReportCount:
            globals_.reportCount = data;
            return true;
        case global_tag::kReportId:
            if (data == 0 || data > 0xFF) {
                return false;
            }
            globals_.reportId = static_cast<std::uint8_t>(data);
            numbered_ = true;
            return true;
        case global_tag::kPush:
            if (stack_.size() >= kMaxPushDepth) {
                return false;
            }
            stack_.push_back(globals_);
            return true;
        case global_tag::kPop:
            if (stack_.empty()) {
                return false;
            }
            globals_ = stack_.back();
            stack_.pop_back();
            return true;
        default:
            return true;
        }
    }

    // Fields outside every collection belong to no collection the program could open: ignored.
    bool addReport(ReportType type) {
        const std::uint64_t bits = std::uint64_t{globals_.reportSize} * globals_.reportCount;
        if (depth_ == 0 || bits == 0) {
            return true;
        }
        std::vector<ReportBits>& reports = collections_.back().reports;
        auto it = std::find_if(reports.begin(), reports.end(),
                               [&](const ReportBits& r) { return r.type == type && r.id == globals_.reportId; });
        if (it == reports.end()) {
            reports.push_back({type, globals_.reportId, 0});
            it = reports.end() - 1;
        }
        it->bits += bits;
        return it->bits <= kMaxReportBits;
    }

    ReportDescriptorInfo finish() const {
        ReportDescriptorInfo info;
        info.numberedReports = numbered_;
        for (const Collection& c : collections_) {
            std::array<std::uint16_t, kReportTypeCount> lengths{};
            for (const ReportBits& r : c.reports) {
                const auto bytes = static_cast<std::uint16_t>((r.bits + 7) / 8 + 1);
                lengths[r.type] = std::max(lengths[r.type], bytes);
            }
            HidCollectionCaps caps = c.caps;
            caps.inputReportLength = lengths[kInputReport];
            caps.outputReportLength = lengths[kOutputReport];
            caps.featureReportLength = lengths[kFeatureReport];
            info.collections.push_back(caps);
        }
        return info;
    }

    struct Collection {
        HidCollectionCaps caps;
        std::vector<ReportBits> reports;
    };

    Globals globals_;
    std::vector<Globals> stack_;
    std::optional<std::uint32_t> usage_; // first usage since the last main item, page in the high half
    std::vector<Collection> collections_;
    std::size_t depth_ = 0;
    bool numbered_ = false;
};

} // namespace

std::optional<ReportDescriptorInfo> parseReportDescriptor(std::span<const std::uint8_t> bytes) {
    return Parser().run(bytes);
}

} // namespace q417
