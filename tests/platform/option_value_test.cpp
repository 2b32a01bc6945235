#include "platform/option_value.h"
#include "support/scoped_env.h"

#include <gtest/gtest.h>

namespace q417 {
namespace {

struct OptionCase {
    std::vector<std::string> args;
    std::optional<std::string> value;
    bool missing = false;
    std::size_t endsOn = 0; // the word the reader is left on
};

// Every case asks for "--data-dir" at the first word, with HOME=/home/u.
TEST(OptionValue, SpacedAndAttachedValuesAreOneOption) {
    const test::ScopedEnv home("HOME", "/home/u");
    const std::vector<OptionCase> cases = {
        {{"--data-dir", "/d"}, "/d", false, 1},
        {{"--data-dir=/d", "x"}, "/d", false, 0},
        {{"--data-dir=a=b"}, "a=b", false, 0},
        {{"--data-dir", "-"}, "-", false, 1},
        {{"--data-dir", "--simulate"}, "--simulate", false, 1},
        {{"--data-dir"}, std::nullopt, true, 0},
        {{"--data-dir", ""}, std::nullopt, true, 0},
        {{"--data-dir="}, std::nullopt, true, 0},
        {{"--data-directory=/d"}, std::nullopt, false, 0},
        {{"--data-dirs", "/d"}, std::nullopt, false, 0},
        {{"--data"}, std::nullopt, false, 0},
        {{"--data-dir=~/d"}, "/home/u/d", false, 0},
        {{"--data-dir=~"}, "/home/u", false, 0},
        {{"--data-dir=~other/d"}, "~other/d", false, 0},
        {{"--data-dir=/x/~/d"}, "/x/~/d", false, 0},
        {{"--data-dir", "~/d"}, "~/d", false, 1},
    };
    for (const OptionCase& c : cases) {
        std::size_t i = 0;
        bool missing = false;
        EXPECT_EQ(optionValue(c.args, i, "--data-dir", missing), c.value) << c.args[0];
        EXPECT_EQ(missing, c.missing) << c.args[0];
        EXPECT_EQ(i, c.endsOn) << c.args[0];
    }
}

TEST(OptionValue, WithoutAHomeATildeStaysAsTyped) {
    const test::ScopedEnv home("HOME", "");
    std::size_t i = 0;
    bool missing = false;
    EXPECT_EQ(optionValue({"--trace=~/t"}, i, "--trace", missing), "~/t");
}

} // namespace
} // namespace q417
