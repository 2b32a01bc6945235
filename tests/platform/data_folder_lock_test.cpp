#include "platform/data_folder_lock.h"
#include "platform/ini_file.h"
#include "support/folder_lock_probe.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <optional>
#include <thread>

namespace q417 {
namespace {

using test::folderLocked;
using test::OtherProgramLock;
using test::TempDir;

TEST(DataFolderLock, IsHeldForItsScopeAndNestsWithinAThread) {
    TempDir dir;
    std::optional<DataFolderLock> outer(std::in_place, dir.path());
    ASSERT_TRUE(outer->status().ok());
    EXPECT_TRUE(folderLocked(dir.path()));
    {
        // A save inside a command that holds the lock already takes it at once.
        const DataFolderLock inner(dir.path() / ".");
        EXPECT_TRUE(inner.status().ok());
    }
    EXPECT_TRUE(folderLocked(dir.path())) << "the inner scope must not release the outer one";
    outer.reset();
    EXPECT_FALSE(folderLocked(dir.path()));
}

TEST(DataFolderLock, WaitsWhileAnotherProgramHoldsIt) {
    TempDir dir;
    OtherProgramLock other(dir.path());
    ASSERT_TRUE(other.tryTake());
    unsigned waits = 0;
    const DataFolderLock lock(dir.path(), [&](unsigned attempts) {
        EXPECT_EQ(attempts, ++waits);
        if (waits == 3) {
            other.release();
        }
        return true;
    });
    EXPECT_TRUE(lock.status().ok());
    EXPECT_EQ(waits, 3U);
    EXPECT_FALSE(other.tryTake());
}

TEST(DataFolderLock, GivesUpWithAMessageWhenTheOtherProgramKeepsIt) {
    TempDir dir;
    OtherProgramLock other(dir.path());
    ASSERT_TRUE(other.tryTake());
    {
        const DataFolderLock lock(dir.path(), [](unsigned attempts) { return attempts < 4; });
        EXPECT_EQ(lock.status().kind, ErrorKind::DataFile);
        EXPECT_NE(lock.status().message.find(dir.path().string()), std::string::npos) << lock.status().message;
        EXPECT_NE(lock.status().message.find("locked by another program"), std::string::npos);
    }
    // Having given up, this process holds nothing: the next one takes it at once.
    other.release();
    const DataFolderLock again(dir.path(), [](unsigned) { return false; });
    EXPECT_TRUE(again.status().ok());
}

TEST(DataFolderLock, AFolderThatCannotBeOpenedIsNotLocked) {
    TempDir dir;
    dir.write("file", "x");
    for (const std::filesystem::path& folder : {dir / "missing", dir / "file"}) {
        const DataFolderLock lock(folder, [](unsigned) { return false; });
        EXPECT_TRUE(lock.status().ok()) << folder;
    }
}

TEST(DataFolderLock, AnotherThreadOfTheProcessWaitsForTheHolder) {
    TempDir dir;
    int shared = 0;
    int seenByOther = -1;
    std::thread other;
    {
        const DataFolderLock lock(dir.path());
        other = std::thread([&] {
            const DataFolderLock mine(dir.path());
            seenByOther = shared;
        });
        shared = 1; // written under the lock; the other thread can only read it after the release
    }
    other.join();
    EXPECT_EQ(seenByOther, 1);
}

TEST(DataFolderLock, AnIniRewriteHoldsTheLockFromReadToWrite) {
    TempDir dir;
    IniFile file(dir / "str.ini");
    bool lockedDuringChange = false;
    ASSERT_TRUE(file.edit([&](IniDocument& doc) {
                        lockedDuringChange = folderLocked(dir.path());
                        doc.setValue("s", "k", "v");
                        return true;
                    })
                    .ok());
    EXPECT_TRUE(lockedDuringChange);
    EXPECT_FALSE(folderLocked(dir.path()));
}

} // namespace
} // namespace q417
