#include "app/gui_options.h"

#include <gtest/gtest.h>

namespace q417 {
namespace {

struct GuiOptionsCase {
    std::vector<std::string> args;
    std::string error;
    std::optional<std::filesystem::path> dataDir;
    bool simulate = false;
    std::optional<std::filesystem::path> simState;
    std::optional<std::filesystem::path> trace;
    bool help = false;
};

TEST(GuiOptions, ParsesEachOptionSpacedOrAttachedAndNamesWhatIsWrong) {
    const std::vector<GuiOptionsCase> cases = {
        {{}, "", std::nullopt, false, std::nullopt, std::nullopt, false},
        {{"--simulate"}, "", std::nullopt, true, std::nullopt, std::nullopt, false},
        {{"--sim-state=s.json"}, "", std::nullopt, true, "s.json", std::nullopt, false},
        {{"--data-dir", "/d", "--trace=-"}, "", "/d", false, std::nullopt, "-", false},
        {{"--data-dir=/d", "--trace", "t.log"}, "", "/d", false, std::nullopt, "t.log", false},
        {{"-h"}, "", std::nullopt, false, std::nullopt, std::nullopt, true},
        {{"--help"}, "", std::nullopt, false, std::nullopt, std::nullopt, true},
        {{"--data-dir="}, "--data-dir needs a value", std::nullopt, false, std::nullopt, std::nullopt, false},
        {{"--simulate", "--trace"}, "--trace needs a value", std::nullopt, true, std::nullopt, std::nullopt, false},
        {{"--sim-state", ""}, "--sim-state needs a value", std::nullopt, false, std::nullopt, std::nullopt, false},
        {{"--bogus", "--data-dir"}, "unknown argument --bogus", std::nullopt, false, std::nullopt, std::nullopt, false},
        {{"show"}, "unknown argument show", std::nullopt, false, std::nullopt, std::nullopt, false},
    };
    for (const GuiOptionsCase& c : cases) {
        const GuiOptions o = parseGuiOptions(c.args);
        const std::string given = c.args.empty() ? "(none)" : c.args[0];
        EXPECT_EQ(o.error, c.error) << given;
        EXPECT_EQ(o.dataDir, c.dataDir) << given;
        EXPECT_EQ(o.device.simulate, c.simulate) << given;
        EXPECT_EQ(o.device.simState, c.simState) << given;
        EXPECT_EQ(o.device.trace, c.trace) << given;
        EXPECT_EQ(o.help, c.help) << given;
    }
}

} // namespace
} // namespace q417
