#include "platform/xdg_folders.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace q417 {
namespace {

TEST(XdgConfigHome, AnAbsoluteXdgConfigHomeElseTheHomesConfigFolder) {
    struct Case {
        const char* configHome;
        const char* home;
        const char* expected;
    };
    const Case cases[] = {
        {"/cfg", "/home/u", "/cfg"},
        {"/cfg/./x/", "/home/u", "/cfg/x/"},
        {nullptr, "/home/u", "/home/u/.config"},
        {"", "/home/u", "/home/u/.config"},
        {"relative/cfg", "/home/u", "/home/u/.config"}, // relative paths are invalid: ignored
    };
    for (const Case& c : cases) {
        EXPECT_EQ(xdgConfigHome(c.configHome, c.home), c.expected) << (c.configHome ? c.configHome : "(unset)");
    }
    // Without HOME the password database answers; whatever it says, the result is absolute or empty.
    const std::filesystem::path fallback = xdgConfigHome(nullptr, nullptr);
    EXPECT_TRUE(fallback.empty() || (fallback.is_absolute() && fallback.filename() == ".config")) << fallback;
}

TEST(MakeUserFolder, CreatesEveryMissingFolderForItsOwnerOnly) {
    test::TempDir dir;
    ASSERT_EQ(::chmod(dir.path().c_str(), 0755), 0);
    const std::filesystem::path folder = dir / "home/.config/q417";
    ASSERT_TRUE(makeUserFolder(folder).ok());
    for (const std::filesystem::path& made : {dir / "home", dir / "home/.config", folder}) {
        EXPECT_EQ(std::filesystem::status(made).permissions(), std::filesystem::perms::owner_all) << made;
    }
    EXPECT_EQ(std::filesystem::status(dir.path()).permissions() & std::filesystem::perms::others_read,
              std::filesystem::perms::others_read)
        << "a folder that was there is left alone";
    EXPECT_TRUE(makeUserFolder(folder).ok()) << "an existing folder is fine";

    dir.write("file", "x");
    const Status status = makeUserFolder(dir / "file/sub");
    EXPECT_EQ(status.kind, ErrorKind::DataFile);
    EXPECT_NE(status.message.find(dir.path().string() + "/file/sub"), std::string::npos) << status.message;
}

} // namespace
} // namespace q417
