#include "config/config_file.h"
#include "config/factory_defaults.h"
#include "ctl/ctl.h"
#include "support/folder_lock_probe.h"
#include "support/recording_sleeper.h"
#include "support/temp_dir.h"

#include <cstddef>
#include <cstring>
#include <gtest/gtest.h>
#include <sstream>

namespace q417 {
namespace {

using test::TempDir;

// Two programs on one data folder: q417ctl, and another one (a second q417ctl, the tray program)
// played by the test through its own lock on the folder.
class CtlDataLock : public ::testing::Test {
protected:
    void SetUp() override {
        dir.write("config.bin", configFileBytes(factoryConfig(), 1));
        dir.write("str.ini", factoryUiSettingsText());
        dir.write("record.ini", "[m]\nItemCount=2\nItem0=A   Dn\nItem1=A   Up\n");
    }
    int ctl(const std::vector<std::string>& command, const LockWait& wait = {}) {
        std::vector<std::string> args{"--data-dir", dir.path().string(), "--simulate"};
        args.insert(args.end(), command.begin(), command.end());
        std::ostringstream out;
        std::ostringstream err;
        CtlSeams seams;
        seams.sleeper = &sleeper;
        seams.lockWait = wait;
        const int code = runCtl(args, out, err, seams);
        error = err.str();
        return code;
    }
    [[nodiscard]] MouseConfig savedConfig() const {
        const std::string bytes = dir.read("config.bin");
        MouseConfig config{};
        std::memcpy(&config, bytes.data() + 1, sizeof config);
        return config;
    }

    TempDir dir;
    test::RecordingSleeper sleeper;
    std::string error;
};

// The other program saves config.bin while it holds the lock; the command must wait for it and
// build on what it saved, not on what config.bin held before.
TEST_F(CtlDataLock, ReadModifyWriteCommandsWaitForAnotherProgramsSave) {
    const std::vector<std::vector<std::string>> commands{{"apply"}, {"macros", "compile"}};
    for (const auto& command : commands) {
        SetUp();
        test::OtherProgramLock other(dir.path());
        ASSERT_TRUE(other.tryTake());
        unsigned waits = 0;
        const int code = ctl(command, [&](unsigned) {
            if (++waits == 1) {
                MouseConfig changed = factoryConfig();
                changed.reportRate = 8;
                dir.write("config.bin", configFileBytes(changed, 1));
                other.release();
            }
            return true;
        });
        ASSERT_EQ(code, kExitOk) << command[0] << ": " << error;
        EXPECT_EQ(waits, 1U) << command[0];
        const MouseConfig saved = savedConfig();
        EXPECT_EQ(saved.reportRate, 8) << command[0] << ": the other program's save was lost";
        if (command[0] == "macros") {
            const MacroSlot empty{};
            EXPECT_NE(std::memcmp(&saved.macroSlots[0], &empty, sizeof empty), 0) << "the compiled slot was lost";
        }
    }
}

TEST_F(CtlDataLock, ApplyHoldsTheLockWhileItTalksToTheMouse) {
    std::size_t unlockedPauses = 0;
    sleeper.onPause = [&](unsigned) {
        if (!test::folderLocked(dir.path())) {
            ++unlockedPauses;
        }
    };
    ASSERT_EQ(ctl({"apply"}), kExitOk) << error;
    ASSERT_FALSE(sleeper.pauses.empty());
    EXPECT_EQ(unlockedPauses, 0U);
    EXPECT_FALSE(test::folderLocked(dir.path()));
}

TEST_F(CtlDataLock, AProgramThatKeepsTheLockMakesTheCommandFailWithoutChangingAnything) {
    test::OtherProgramLock other(dir.path());
    ASSERT_TRUE(other.tryTake());
    const std::string before = dir.read("config.bin");
    const int code = ctl({"macros", "compile"}, [](unsigned attempts) { return attempts < 3; });
    EXPECT_EQ(code, kExitDataFile);
    EXPECT_NE(error.find("locked by another program"), std::string::npos) << error;
    EXPECT_EQ(dir.read("config.bin"), before);
}

} // namespace
} // namespace q417

namespace q417 {
namespace {

TEST_F(CtlDataLock, EveryStartRemovesWhatASaveKilledHalfWayLeftBehind) {
    for (const std::vector<std::string>& command : {std::vector<std::string>{"show"}, {"macros", "list"}}) {
        dir.write(".config.bin.Ab12Cd", "half");
        dir.write(".str.ini.x0Y1z2", "half");
        ASSERT_EQ(ctl(command), kExitOk) << error;
        EXPECT_FALSE(std::filesystem::exists(dir / ".config.bin.Ab12Cd")) << command[0];
        EXPECT_FALSE(std::filesystem::exists(dir / ".str.ini.x0Y1z2")) << command[0];
    }
}

} // namespace
} // namespace q417
