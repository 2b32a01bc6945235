#include "platform/data_paths.h"

#include <gtest/gtest.h>

namespace q417 {
namespace {

TEST(DataPaths, EveryFileIsTheFolderPlusItsName) {
    const DataPaths paths("/opt/mouse");
    EXPECT_EQ(paths.configFile(), "/opt/mouse/config.bin");
    EXPECT_EQ(paths.macroLibrary(), "/opt/mouse/record.ini");
    EXPECT_EQ(paths.uiSettings(), "/opt/mouse/str.ini");
    EXPECT_EQ(paths.skinsRoot(), "/opt/mouse/Skins");
}

TEST(DataPaths, DefaultIsTheExecutablesOwnFolder) {
    const auto dir = DataPaths::executableDir();
    ASSERT_FALSE(dir.empty());
    EXPECT_TRUE(std::filesystem::exists(dir / "q417_core_tests"));
    EXPECT_EQ(DataPaths::resolve(std::nullopt).dir(), dir);
    EXPECT_EQ(DataPaths::resolve(std::filesystem::path{}).dir(), dir);
}

TEST(DataPaths, DataDirOptionIsMadeAbsolute) {
    EXPECT_EQ(DataPaths::resolve(std::filesystem::path("/data/./x/")).dir(), "/data/x/");
    const auto relative = DataPaths::resolve(std::filesystem::path("some/dir")).dir();
    EXPECT_TRUE(relative.is_absolute());
    EXPECT_EQ(relative, std::filesystem::current_path() / "some/dir");
}

} // namespace
} // namespace q417
