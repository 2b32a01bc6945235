#include "platform/atomic_file.h"
#include "platform/ini_file.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace q417 {
namespace {

using test::TempDir;

bool runningAsRoot() {
    return ::geteuid() == 0;
}

// Gives `path` to the ordinary user of runAsOrdinaryUser(), writable or not. As root the user is
// another one, so a root-owned path with mode `readOnly` is not theirs to write; otherwise it is
// the user running the tests, kept out by the mode alone.
void setAccess(const std::filesystem::path& path, bool writable, mode_t writableMode, mode_t readOnly) {
    if (runningAsRoot() && writable) {
        ASSERT_EQ(::chown(path.c_str(), test::kOtherUid, test::kOtherGid), 0);
    }
    ASSERT_EQ(::chmod(path.c_str(), writable ? writableMode : readOnly), 0);
}

ino_t inodeOf(const std::filesystem::path& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_ino;
}

enum class Through { Replace, IniFile };

struct PermissionCase {
    const char* name;
    Through through;
    bool folderWritable;
    bool fileWritable;
    int error;    // 0: saved
    bool inPlace; // saved over the old file rather than by a new one renamed over it
};

void PrintTo(const PermissionCase& c, std::ostream* os) {
    *os << c.name;
}

// A save is refused exactly when opening the file for writing would be refused, whatever the
// folder allows; a folder that refuses the temporary file does not stop a writable file's save.
class SavePermission : public ::testing::TestWithParam<PermissionCase> {};

TEST_P(SavePermission, FollowsTheFilesOwnPermission) {
    const PermissionCase& c = GetParam();
    TempDir dir;
    const std::filesystem::path folder = dir / "data";
    std::filesystem::create_directory(folder);
    const std::filesystem::path file = folder / "str.ini";
    const std::string old = "[Skin]\nName=Old\n";
    dir.write("data/str.ini", old);
    setAccess(file, c.fileWritable, 0644, 0444);
    setAccess(folder, c.folderWritable, 0755, 0555);
    const ino_t inodeBefore = inodeOf(file);

    const std::optional<int> result = test::runAsOrdinaryUser([&] {
        Status status = c.through == Through::Replace ? replaceFileAtomically(file, "[Skin]\nName=New\n")
                                                      : IniFile(file).writeString("Skin", "Name", "New");
        return status.ok() ? 0 : status.systemError;
    });
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
    ASSERT_TRUE(result.has_value()) << "could not run as an ordinary user";
    EXPECT_EQ(*result, c.error);
    EXPECT_EQ(dir.read("data/str.ini"), c.error == 0 ? "[Skin]\nName=New\n" : old);
    if (c.error == 0) {
        EXPECT_EQ(inodeOf(file) == inodeBefore, c.inPlace);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()), 1)
        << "no temporary file is left";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SavePermission,
    ::testing::Values(PermissionCase{"WritableFileAndFolder", Through::Replace, true, true, 0, false},
                      PermissionCase{"ReadOnlyFileInWritableFolder", Through::Replace, true, false, EACCES, false},
                      PermissionCase{"WritableFileInReadOnlyFolder", Through::Replace, false, true, 0, true},
                      PermissionCase{"ReadOnlyFileAndFolder", Through::Replace, false, false, EACCES, false},
                      PermissionCase{"IniReadOnlyFileInWritableFolder", Through::IniFile, true, false, EACCES, false},
                      PermissionCase{"IniWritableFileInReadOnlyFolder", Through::IniFile, false, true, 0, true}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(AtomicFile, AnInPlaceSaveThatDoesNotFitLeavesTheOldFileWhole) {
    TempDir dir;
    const std::filesystem::path folder = dir / "data";
    std::filesystem::create_directory(folder);
    const std::string old(100, 'o');
    dir.write("data/record.ini", old);
    setAccess(folder / "record.ini", true, 0644, 0444);
    setAccess(folder, false, 0755, 0555);
    const std::optional<int> result = test::runAsOrdinaryUser([&] {
        // As on a disk with room for 200 bytes of this file.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{200, 200};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const Status status = replaceFileAtomically(folder / "record.ini", std::string(300, 'n'));
        return status.ok() ? 0 : status.systemError;
    });
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(*result, EFBIG);
    EXPECT_EQ(dir.read("data/record.ini"), old);
}

TEST(AtomicFile, RootSavingAUsersFileLeavesItTheUsers) {
    if (!runningAsRoot()) {
        GTEST_SKIP() << "only root may save a file for another user";
    }
    TempDir dir;
    dir.write("config.bin", "old");
    ASSERT_EQ(::chown((dir / "config.bin").c_str(), test::kOtherUid, test::kOtherGid), 0);
    ASSERT_EQ(::chmod((dir / "config.bin").c_str(), 0640), 0);
    ASSERT_TRUE(replaceFileAtomically(dir / "config.bin", "new").ok());
    struct stat info {};
    ASSERT_EQ(::stat((dir / "config.bin").c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, test::kOtherUid);
    EXPECT_EQ(info.st_gid, test::kOtherGid);
    EXPECT_EQ(info.st_mode & 07777, 0640U);
    EXPECT_EQ(dir.read("config.bin"), "new");
}

TEST(AtomicFile, AFolderOrAPipeWhereTheFileBelongsIsNeitherReadNorReplaced) {
    TempDir dir;
    std::filesystem::create_directory(dir / "folder");
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0644), 0);
    for (const char* name : {"folder", "pipe"}) {
        std::string bytes;
        const Status read = readWholeFile(dir / name, bytes, 100);
        const Status written = replaceFileAtomically(dir / name, "x");
        EXPECT_FALSE(read.ok()) << name;
        EXPECT_FALSE(written.ok()) << name;
        for (const Status& status : {read, written}) {
            EXPECT_NE(status.message.find(std::string(name) == "folder" ? "it is a folder" : "not a regular file"),
                      std::string::npos)
                << status.message;
        }
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir / "folder"));
    EXPECT_TRUE(std::filesystem::is_fifo(dir / "pipe"));
}

} // namespace
} // namespace q417
