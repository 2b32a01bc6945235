#include "skin/skin_folders.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace q417 {
namespace {

class SkinFolders : public ::testing::Test {
protected:
    void makeSkin(const char* name) { std::filesystem::create_directory(skins / name); }
    test::TempDir dir;
    std::filesystem::path skins = dir / "Skins";
    void SetUp() override { std::filesystem::create_directory(skins); }
};

TEST_F(SkinFolders, ListsEveryFolderButNoFileSortedWithoutCase) {
    makeSkin("ember");
    makeSkin("Default");
    makeSkin("Zinc");
    dir.write("Skins/readme.txt", "not a skin");
    EXPECT_EQ(listSkinNames(skins), (std::vector<std::string>{"Default", "ember", "Zinc"}));
}

TEST_F(SkinFolders, NoFoldersOrNoSkinsFolderGiveAnEmptyList) {
    EXPECT_TRUE(listSkinNames(skins).empty());
    EXPECT_TRUE(listSkinNames(dir / "missing").empty());
    dir.write("file", "x");
    EXPECT_TRUE(listSkinNames(dir / "file").empty());
}

TEST_F(SkinFolders, FindsTheFolderIgnoringTheCaseOfAToZOnly) {
    makeSkin("Default");
    makeSkin("Ärger");
    struct Case {
        std::string_view name;
        std::optional<std::filesystem::path> folder;
    };
    const Case cases[] = {
        {"Default", skins / "Default"}, {"dEFAULT", skins / "Default"}, {"Ärger", skins / "Ärger"},
        {"äRGER", std::nullopt}, // only A to Z fold
        {"Defaul", std::nullopt},       {"Default ", std::nullopt},     {"", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(findSkinFolder(skins, c.name), c.folder) << c.name;
    }
}

TEST_F(SkinFolders, TheUsersSkinsComeBeforeTheSharedOnesAndHideThoseOfTheSameName) {
    const std::filesystem::path shared = dir / "shared/Skins";
    for (const char* name : {"Default", "EMBER", "Zinc"}) {
        std::filesystem::create_directories(shared / name);
    }
    makeSkin("ember");
    makeSkin("Mine");
    const std::vector<std::filesystem::path> roots{skins, shared, dir / "missing"};
    EXPECT_EQ(listSkinNames(roots), (std::vector<std::string>{"Default", "ember", "Mine", "Zinc"}));
    struct Case {
        std::string_view name;
        std::optional<std::filesystem::path> folder;
    };
    const Case cases[] = {
        {"Ember", skins / "ember"}, {"default", shared / "Default"}, {"Mine", skins / "Mine"}, {"Other", std::nullopt}};
    for (const Case& c : cases) {
        EXPECT_EQ(findSkinFolder(roots, c.name), c.folder) << c.name;
    }
}

TEST_F(SkinFolders, OneFolderListsAllOfItsOwnSkins) {
    makeSkin("night");
    makeSkin("Night");
    EXPECT_EQ(listSkinNames(std::vector<std::filesystem::path>{skins}), (std::vector<std::string>{"Night", "night"}));
}

TEST(EqualsIgnoringAsciiCase, FoldsLettersOnly) {
    EXPECT_TRUE(equalsIgnoringAsciiCase("Skin-1", "sKIN-1"));
    EXPECT_FALSE(equalsIgnoringAsciiCase("[", "{")); // 0x5B and 0x7B differ by the case bit but are no letters
    EXPECT_FALSE(equalsIgnoringAsciiCase("ab", "abc"));
}

} // namespace
} // namespace q417
