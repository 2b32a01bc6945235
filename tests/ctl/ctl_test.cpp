#include "config/config_file.h"
#include "config/factory_defaults.h"
#include "ctl/ctl.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <sstream>

namespace q417 {
namespace {

using test::ScopedEnv;
using test::TempDir;

struct CtlRun {
    int code;
    std::string out;
    std::string err;
};

CtlRun ctl(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = runCtl(args, out, err);
    return {code, out.str(), err.str()};
}

TEST(Ctl, ShowPrintsEveryButtonOfBothModesAndTheFields) {
    TempDir dir;
    dir.write("config.bin", configFileBytes(factoryConfig(), 0));
    const CtlRun r = ctl({"--data-dir", dir.path().string(), "show"});
    EXPECT_EQ(r.code, kExitOk) << r.err;
    EXPECT_NE(r.out.find("firstRunFlag: 0\n"), std::string::npos);
    EXPECT_NE(r.out.find("mode A button 9: 12 (combo key) modifiers 0x08 key1 0x07 key2 0x00, word 00 08 07 00\n"),
              std::string::npos);
    EXPECT_NE(r.out.find("mode B button 12: 15 (none), word 00 00 00 00\n"), std::string::npos);
    EXPECT_NE(r.out.find("reportRate: 1 (1000 Hz)\n"), std::string::npos);
    EXPECT_NE(r.out.find("dpi stage 4: level 10, on"), std::string::npos);
    EXPECT_TRUE(r.err.empty());
}

// A usage error is one line; a missing config.bin is the line the tray program's message box
// shows, then one naming the file.
TEST(Ctl, ErrorsAreExplainedOnStderrWithTheirExitCode) {
    TempDir dir;
    const std::string d = dir.path().string();
    struct Case {
        std::vector<std::string> args;
        int code;
        std::vector<std::string> lines; // what each line says, in order
    };
    dir.write("short.bin", "x");
    const std::string missing = "Config file is not exist.";
    const Case cases[] = {
        {{}, kExitUsage, {"no command"}},
        {{"--data-dir"}, kExitUsage, {"--data-dir needs a value"}},
        {{"--bogus", "show"}, kExitUsage, {"unknown option --bogus"}},
        {{"--data-dir=", "show"}, kExitUsage, {"--data-dir needs a value"}},
        {{"--trace=", "--simulate", "detect"}, kExitUsage, {"--trace needs a value"}},
        {{"--sim-state=", "detect"}, kExitUsage, {"--sim-state needs a value"}},
        {{"frobnicate"}, kExitUsage, {"unknown command"}},
        {{"--data-dir", d, "show"},
         kExitDataFile,
         {missing, d + "/config.bin cannot be loaded: there is no such file"}},
        {{"--data-dir", d + "/missing-folder", "show"},
         kExitDataFile,
         {missing, d + "/missing-folder/config.bin cannot be loaded"}},
        {{"--data-dir", d, "watch"}, kExitDataFile, {missing, d + "/config.bin cannot be loaded"}},
    };
    for (const Case& c : cases) {
        const CtlRun r = ctl(c.args);
        EXPECT_EQ(r.code, c.code) << r.err;
        std::istringstream lines(r.err);
        std::size_t count = 0;
        for (std::string line; std::getline(lines, line); ++count) {
            if (count < c.lines.size()) {
                EXPECT_NE(line.find(c.lines[count]), std::string::npos) << line;
            }
        }
        EXPECT_EQ(count, c.lines.size()) << r.err;
        EXPECT_TRUE(r.out.empty());
    }
}

TEST(Ctl, WrongSizedConfigIsADataFileError) {
    TempDir dir;
    dir.write("config.bin", std::string(100, '\0'));
    const CtlRun r = ctl({"--data-dir=" + dir.path().string(), "show"});
    EXPECT_EQ(r.code, kExitDataFile);
    EXPECT_NE(r.err.find("1986 bytes"), std::string::npos);
}

// "--data-dir=~/x" reaches q417ctl as typed, where the shell has made "--data-dir ~/x" the home folder.
TEST(Ctl, AnOptionWithAnEqualsSignWorksAsWithASpace) {
    TempDir home;
    std::filesystem::create_directory(home / "data");
    home.write("data/config.bin", configFileBytes(factoryConfig(), 0));
    const ScopedEnv env("HOME", home.path().string());
    const CtlRun spaced = ctl({"--data-dir", (home / "data").string(), "show"});
    for (const std::string& given : {"--data-dir=" + (home / "data").string(), std::string("--data-dir=~/data")}) {
        const CtlRun r = ctl({given, "show"});
        EXPECT_EQ(r.code, kExitOk) << given << ": " << r.err;
        EXPECT_EQ(r.out, spaced.out) << given;
    }
}

TEST(Ctl, HelpDocumentsCommandsOptionsAndExitCodes) {
    const CtlRun r = ctl({"--help"});
    EXPECT_EQ(r.code, kExitOk);
    for (const char* word : {"show", "--data-dir", "Exit codes"}) {
        EXPECT_NE(r.out.find(word), std::string::npos) << word;
    }
}

} // namespace
} // namespace q417
