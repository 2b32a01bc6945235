#include "config/config_file.h"
#include "config/factory_defaults.h"
#include "ctl/ctl.h"
#include "support/folder_lock_probe.h"
#include "support/recording_sleeper.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <sstream>

namespace q417 {
namespace {

using test::TempDir;

class CtlProfile : public ::testing::Test {
protected:
    void SetUp() override {
        writeSetup(8, "[m]\nItemCount=2\nItem0=A   Dn\nItem1=A   Up\n");
        ASSERT_EQ(ctl({"macros", "compile"}), kExitOk) << err; // the slots agree with record.ini
    }
    void writeSetup(std::uint8_t reportRate, std::string_view record) {
        MouseConfig config = factoryConfig();
        config.reportRate = reportRate;
        dir.write("config.bin", configFileBytes(config, 1));
        dir.write("str.ini", factoryUiSettingsText());
        dir.write("record.ini", record);
    }
    int ctl(const std::vector<std::string>& command, std::string_view input = {}, const LockWait& wait = {}) {
        std::vector<std::string> args{"--data-dir", dir.path().string(), "--simulate"};
        args.insert(args.end(), command.begin(), command.end());
        std::ostringstream o;
        std::ostringstream e;
        std::istringstream in{std::string(input)};
        CtlSeams seams;
        seams.sleeper = &sleeper;
        seams.in = &in;
        seams.lockWait = wait;
        const int code = runCtl(args, o, e, seams);
        out = o.str();
        err = e.str();
        return code;
    }
    [[nodiscard]] std::string files() const {
        return dir.read("config.bin").substr(1) + dir.read("record.ini") + dir.read("str.ini");
    }

    TempDir dir;
    test::RecordingSleeper sleeper;
    std::string out, err;
};

TEST_F(CtlProfile, SaveListLoadAndDeleteANamedProfile) {
    ASSERT_EQ(ctl({"profile", "save", "My mouse/1"}), kExitOk) << err;
    const std::string saved = dir.read("config.bin").substr(1) + dir.read("record.ini");
    writeSetup(1, "[other]\nItemCount=0\n");
    ASSERT_EQ(ctl({"profile", "list"}), kExitOk) << err;
    EXPECT_EQ(out, "My mouse/1\n");

    ASSERT_EQ(ctl({"profile", "load", "My mouse/1"}), kExitOk) << err;
    EXPECT_EQ(dir.read("config.bin").substr(1) + dir.read("record.ini"), saved);

    ASSERT_EQ(ctl({"profile", "delete", "My mouse/1"}), kExitOk) << err;
    ASSERT_EQ(ctl({"profile", "list"}), kExitOk);
    EXPECT_EQ(out, "");
    EXPECT_EQ(ctl({"profile", "load", "My mouse/1"}), kExitDataFile);
    EXPECT_NE(err.find("no profile named 'My mouse/1'"), std::string::npos) << err;
}

TEST_F(CtlProfile, ExportToStandardOutputAndImportFromStandardInput) {
    ASSERT_EQ(ctl({"profile", "export", "-"}), kExitOk) << err;
    const std::string json = out;
    const std::string before = files();
    EXPECT_NE(json.find("\"format\": \"q417-profile\""), std::string::npos);
    writeSetup(2, "");
    ASSERT_EQ(ctl({"profile", "import", "-"}, json), kExitOk) << err;
    EXPECT_EQ(files(), before);
}

TEST_F(CtlProfile, ExportAndImportAFileThenApply) {
    const std::string file = (dir / "setup.json").string();
    ASSERT_EQ(ctl({"profile", "export", file}), kExitOk) << err;
    writeSetup(2, "");
    ASSERT_EQ(ctl({"profile", "import", file, "--apply"}), kExitOk) << err;
    EXPECT_EQ(dir.read("config.bin")[1926 - 1 + 1], 8) << "the report rate of the profile";
}

TEST_F(CtlProfile, ABadProfileIsRefusedWithItsFieldAndChangesNothing) {
    const std::string before = files();
    EXPECT_EQ(ctl({"profile", "import", "-"}, R"({"format": "q417-profile", "version": 1, "pointer": {"speed": 40}})"),
              kExitDataFile);
    EXPECT_NE(err.find("pointer.speed: out of range 1..11: 40"), std::string::npos) << err;
    EXPECT_EQ(files(), before);
    EXPECT_EQ(ctl({"profile", "import", "-"}, R"({"format": "q417-profile", "version": 7})"), kExitDataFile);
    EXPECT_NE(err.find("version: the profile is of format version 7"), std::string::npos) << err;
    EXPECT_EQ(files(), before);
}

// Another program holds the data folder while it saves: the import waits for it, then replaces
// what it saved.
TEST_F(CtlProfile, ImportWaitsForAnotherProgramsSave) {
    ASSERT_EQ(ctl({"profile", "export", "-"}), kExitOk) << err;
    const std::string json = out;
    const std::string before = files();
    test::OtherProgramLock other(dir.path());
    ASSERT_TRUE(other.tryTake());
    unsigned waits = 0;
    const int code = ctl({"profile", "import", "-"}, json, [&](unsigned) {
        if (++waits == 1) {
            writeSetup(2, "");
            other.release();
        }
        return true;
    });
    ASSERT_EQ(code, kExitOk) << err;
    EXPECT_EQ(waits, 1U);
    EXPECT_EQ(files(), before);
}

TEST_F(CtlProfile, UsageErrors) {
    const std::vector<std::vector<std::string>> commands{
        {"profile", "save"},      {"profile", "load", "a", "b"},      {"profile", "export", "-", "--apply"},
        {"profile", "list", "x"}, {"profile", "save", std::string()}, {"profile", "rename", "a"},
    };
    for (const auto& command : commands) {
        EXPECT_EQ(ctl(command), kExitUsage) << command.back();
    }
}

} // namespace
} // namespace q417
