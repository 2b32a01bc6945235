#include "texts/dpi_value_names.h"

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace q417 {

namespace {

constexpr std::array<std::string_view, 12> kKind0{"250",  "500",  "750",  "1000", "1250", "1500",
                                                  "1750", "2000", "2500", "3000", "3500", "4000"};
constexpr std::array<std::string_view, 8> kKind1{"600", "800", "1000", "1200", "1600", "2000", "2400", "3200"};
constexpr std::array<std::string_view, 8> kKind2{"250", "500", "750", "1000", "1250", "1500", "2000", "2500"};
constexpr std::array<std::string_view, 8> kKind3{"400", "800", "1200", "1600", "2000", "2400", "2800", "3200"};

// Indexed by sensor kind; the row lengths are the level counts of the DPI code tables.
constexpr std::array<std::span<const std::string_view>, 4> kValuesByKind{kKind0, kKind1, kKind2, kKind3};

} // namespace

std::string dpiValueName(std::uint8_t sensorKind, std::uint8_t level) {
    if (sensorKind >= kValuesByKind.size()) {
        return {};
    }
    const std::span<const std::string_view> values = kValuesByKind[sensorKind];
    return level < values.size() ? std::string(values[level]) : std::string{};
}

} // namespace q417
