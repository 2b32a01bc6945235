#include "config/device_encoders.h"
#include "texts/dpi_value_names.h"

#include <charconv>
#include <gtest/gtest.h>
#include <string>

namespace q417 {
namespace {

TEST(dpiValueName, FirstAndLastOfEachKind) {
    struct Case {
        std::uint8_t kind;
        std::uint8_t level;
        std::string name;
    };
    const Case cases[] = {
        {0, 0, "250"},  {0, 1, "500"}, {0, 11, "4000"}, {0, 12, ""},    {1, 0, "600"}, {1, 7, "3200"},
        {1, 8, ""},     {2, 0, "250"}, {2, 6, "2000"},  {2, 7, "2500"}, {2, 8, ""},    {3, 0, "400"},
        {3, 7, "3200"}, {3, 8, ""},    {4, 0, ""},      {255, 1, ""},   {0, 255, ""},  {3, 255, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(dpiValueName(c.kind, c.level), c.name) << "kind " << int{c.kind} << ", level " << int{c.level};
    }
}

TEST(dpiValueName, NamedExactlyWhereTheSensorHasADpiCode) {
    for (int kind = 0; kind <= 255; ++kind) {
        for (int level = 0; level <= 255; ++level) {
            const auto k = static_cast<std::uint8_t>(kind);
            const auto l = static_cast<std::uint8_t>(level);
            EXPECT_EQ(dpiValueName(k, l).empty(), static_cast<std::size_t>(level) >= dpiLevelCount(k))
                << "kind " << kind << ", level " << level;
        }
    }
}

TEST(dpiValueName, ValuesRiseWithTheLevel) {
    for (std::uint8_t kind = 0; kind < 4; ++kind) {
        int previous = 0;
        for (std::size_t level = 0; level < dpiLevelCount(kind); ++level) {
            const std::string name = dpiValueName(kind, static_cast<std::uint8_t>(level));
            int value = 0;
            const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), value);
            EXPECT_TRUE(error == std::errc{} && end == name.data() + name.size()) << name;
            EXPECT_GT(value, previous) << "kind " << int{kind} << ", level " << level;
            previous = value;
        }
    }
}

} // namespace
} // namespace q417
