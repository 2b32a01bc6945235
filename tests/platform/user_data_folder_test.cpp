#include "platform/user_data_folder.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace q417 {
namespace {

// An installed layout: the factory files under share, a home with no settings yet.
class PrepareDataFolder : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(dir / "share/q417");
        dir.write("share/q417/config.bin", "factory record");
        dir.write("share/q417/str.ini", "[Setting]\nLan=0\n");
    }
    [[nodiscard]] DataPaths user() const {
        return DataPaths(dir / "home/.config/q417", DataFolderKind::User, dir / "share/q417");
    }

    test::TempDir dir;
};

TEST_F(PrepareDataFolder, TheFirstStartCopiesTheFactoryFilesIntoANewUserFolder) {
    ASSERT_TRUE(prepareDataFolder(user()).ok());
    EXPECT_EQ(dir.read("home/.config/q417/config.bin"), "factory record");
    EXPECT_EQ(dir.read("home/.config/q417/str.ini"), "[Setting]\nLan=0\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "home/.config/q417/record.ini")) << "no macros until one is saved";
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir / "home/.config/q417")) {
        names.push_back(entry.path().filename());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"config.bin", "str.ini"})) << "no temporary file is left";
}

TEST_F(PrepareDataFolder, TheUsersFilesAreNeverReplacedAndAMissingOneIsSeededAgain) {
    ASSERT_TRUE(prepareDataFolder(user()).ok());
    dir.write("home/.config/q417/config.bin", "the user's record");
    std::filesystem::remove(dir / "home/.config/q417/str.ini");
    ASSERT_TRUE(prepareDataFolder(user()).ok());
    EXPECT_EQ(dir.read("home/.config/q417/config.bin"), "the user's record");
    EXPECT_EQ(dir.read("home/.config/q417/str.ini"), "[Setting]\nLan=0\n");
    EXPECT_EQ(dir.read("share/q417/config.bin"), "factory record");
}

TEST_F(PrepareDataFolder, AMissingFactoryFileSaysWhichAndLeavesNoHalfFile) {
    std::filesystem::remove(dir / "share/q417/str.ini");
    const Status status = prepareDataFolder(user());
    EXPECT_EQ(status.kind, ErrorKind::NotFound);
    EXPECT_NE(status.message.find((dir / "share/q417/str.ini").string()), std::string::npos) << status.message;
    EXPECT_FALSE(std::filesystem::exists(dir / "home/.config/q417/str.ini"));
}

TEST_F(PrepareDataFolder, OtherDataFoldersAreLeftAsTheyAre) {
    for (const DataFolderKind kind : {DataFolderKind::Option, DataFolderKind::BesideExecutable}) {
        EXPECT_TRUE(prepareDataFolder(DataPaths(dir / "elsewhere", kind, dir / "share/q417")).ok());
        EXPECT_FALSE(std::filesystem::exists(dir / "elsewhere"));
    }
}

} // namespace
} // namespace q417
