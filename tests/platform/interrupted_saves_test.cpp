#include "platform/atomic_file.h"
#include "platform/interrupted_saves.h"
#include "support/folder_lock_probe.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace q417 {
namespace {

using test::TempDir;

TEST(InterruptedSaves, OnlyOurOwnTemporaryFilesAreTakenForLeftovers) {
    struct Case {
        const char* name;
        const char* of;
        bool ours;
    };
    const Case cases[] = {
        {".config.bin.a1B2c3", "config.bin", true},   {".str.ini.XXXXXX", "str.ini", true},
        {".record.ini.000000", "record.ini", true},   {".config.bin.a1B2c", "config.bin", false}, // five
        {".config.bin.a1B2c3d", "config.bin", false},                                             // seven
        {".config.bin.a1-2c3", "config.bin", false},  {"config.bin.a1B2c3", "config.bin", false},
        {".config.bin_a1B2c3", "config.bin", false},  {".config.bin.a1B2c3", "str.ini", false},
        {".Config.bin.a1B2c3", "config.bin", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(isTemporaryFileOf(c.name, c.of), c.ours) << c.name << " of " << c.of;
    }
}

class InterruptedSavesTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"config.bin", "str.ini", "record.ini", ".config.bin.Ab12Cd", ".str.ini.qQ9z0a",
                                 ".record.ini.ZZZZZZ", ".config.bin.short", "notes.txt"}) {
            dir.write(name, "x");
        }
        std::filesystem::create_directory(dir / ".str.ini.folder");
        std::filesystem::create_symlink(dir / "notes.txt", dir / ".record.ini.link00");
    }
    [[nodiscard]] std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
            out.push_back(entry.path().filename().string());
        }
        std::sort(out.begin(), out.end());
        return out;
    }
    TempDir dir;
};

TEST_F(InterruptedSavesTest, TheLeftoversOfTheThreeDataFilesGoAndNothingElse) {
    removeInterruptedSaves(DataPaths(dir.path()));
    EXPECT_EQ(names(), (std::vector<std::string>{".config.bin.short", ".record.ini.link00", ".str.ini.folder",
                                                 "config.bin", "notes.txt", "record.ini", "str.ini"}));
}

TEST_F(InterruptedSavesTest, NothingGoesWhileAnotherProgramMayBeSaving) {
    test::OtherProgramLock other(dir.path());
    ASSERT_TRUE(other.tryTake());
    const std::vector<std::string> before = names();
    removeInterruptedSaves(DataPaths(dir.path()), [](unsigned) { return false; });
    EXPECT_EQ(names(), before);
}

} // namespace
} // namespace q417
