#include "platform/data_paths.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace q417 {
namespace {

using std::filesystem::path;

TEST(DataPaths, EveryFileIsTheFolderPlusItsName) {
    const DataPaths paths("/opt/mouse");
    EXPECT_EQ(paths.configFile(), "/opt/mouse/config.bin");
    EXPECT_EQ(paths.macroLibrary(), "/opt/mouse/record.ini");
    EXPECT_EQ(paths.uiSettings(), "/opt/mouse/str.ini");
    EXPECT_EQ(paths.skinRoots(), (std::vector<path>{"/opt/mouse/Skins"}));
}

TEST(DataPaths, SkinsAreTheDataFoldersOwnThenTheSharedOnes) {
    EXPECT_EQ(DataPaths("/home/u/.config/q417", DataFolderKind::User, "/usr/share/q417").skinRoots(),
              (std::vector<path>{"/home/u/.config/q417/Skins", "/usr/share/q417/Skins"}));
    EXPECT_EQ(DataPaths("/usr/share/q417", DataFolderKind::Option, "/usr/bin/../share/q417").skinRoots(),
              (std::vector<path>{"/usr/share/q417/Skins"}))
        << "one folder is searched once";
}

TEST(DataPaths, TheSharedFolderLiesUnderThePrefixOfTheExecutables) {
    EXPECT_EQ(DataPaths::sharedDirFor("/usr/bin"), "/usr/share/q417");
    EXPECT_EQ(DataPaths::sharedDirFor("/tmp/stage/usr/local/bin"), "/tmp/stage/usr/local/share/q417");
    EXPECT_EQ(DataPaths::sharedDirFor(""), "");
}

// The executable's folder, with or without a config.bin, and the configuration folders.
class ChooseDataFolder : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directories(bin); }
    [[nodiscard]] DataPaths choose(std::optional<path> option = std::nullopt,
                                   path configHome = "/home/u/.config") const {
        return DataPaths::choose({std::move(option), bin, std::move(configHome)});
    }
    test::TempDir dir;
    path bin = dir / "usr/bin";
    path shared = dir / "usr/share/q417";
};

TEST_F(ChooseDataFolder, AnInstalledProgramKeepsItsDataInTheUsersConfigurationFolder) {
    const DataPaths paths = choose();
    EXPECT_EQ(paths.kind(), DataFolderKind::User);
    EXPECT_EQ(paths.dir(), "/home/u/.config/q417");
    EXPECT_EQ(paths.sharedDir(), shared);
    EXPECT_EQ(paths.describe(), "/home/u/.config/q417 (the user's own; factory files in " + shared.string() + ")");
}

TEST_F(ChooseDataFolder, AConfigBinBesideTheExecutableMakesAPortableCopy) {
    dir.write("usr/bin/config.bin", "x");
    const DataPaths paths = choose();
    EXPECT_EQ(paths.kind(), DataFolderKind::BesideExecutable);
    EXPECT_EQ(paths.dir(), bin);
    EXPECT_EQ(paths.describe(), bin.string() + " (beside the executable)");
}

TEST_F(ChooseDataFolder, WithoutAnyConfigurationFolderTheDataStaysBesideTheExecutable) {
    const DataPaths paths = choose(std::nullopt, "");
    EXPECT_EQ(paths.kind(), DataFolderKind::BesideExecutable);
    EXPECT_EQ(paths.dir(), bin);
}

TEST_F(ChooseDataFolder, TheDataDirOptionComesFirstAndIsMadeAbsolute) {
    dir.write("usr/bin/config.bin", "x");
    struct Case {
        std::optional<path> option;
        path dir;
        DataFolderKind kind;
    };
    const Case cases[] = {
        {path("/data/./x/"), "/data/x/", DataFolderKind::Option},
        {path("some/dir"), std::filesystem::current_path() / "some/dir", DataFolderKind::Option},
        {path(), bin, DataFolderKind::BesideExecutable}, // an empty option is no option
    };
    for (const Case& c : cases) {
        const DataPaths paths = choose(c.option);
        EXPECT_EQ(paths.dir(), c.dir) << c.option.value_or("");
        EXPECT_EQ(paths.kind(), c.kind) << c.option.value_or("");
    }
    EXPECT_EQ(choose(path("/data")).describe(), "/data (given with --data-dir)");
}

TEST(DataPaths, ThisProcessSearchesFromItsOwnExecutable) {
    const path exeDir = DataPaths::executableDir();
    ASSERT_FALSE(exeDir.empty());
    EXPECT_TRUE(std::filesystem::exists(exeDir / "q417_core_tests"));
    EXPECT_EQ(DataSearch::ofThisProcess(std::nullopt).executableDir, exeDir);
    EXPECT_EQ(DataPaths::resolve(path("/data")).dir(), "/data");
}

} // namespace
} // namespace q417
