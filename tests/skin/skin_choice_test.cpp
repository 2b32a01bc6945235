#include "skin/skin_choice.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <map>

namespace q417 {
namespace {

// Skins as folders, with the size each one's main background has (none: unreadable).
class SkinChoiceTest : public ::testing::Test {
protected:
    void addSkin(const std::string& name,
                 std::optional<std::pair<int, int>> size = std::pair{kSkinWidth, kSkinHeight}) {
        std::filesystem::create_directories(dir / "Skins" / name);
        sizes[(dir / "Skins" / name).string()] = size;
    }
    UsableSkin choose(std::string_view requested) {
        return chooseUsableSkin({dir / "Skins"}, requested, [this](const std::filesystem::path& folder) {
            const auto it = sizes.find(folder.string());
            return it == sizes.end() ? std::nullopt : it->second;
        });
    }

    test::TempDir dir;
    std::map<std::string, std::optional<std::pair<int, int>>> sizes;
};

TEST_F(SkinChoiceTest, AUsableSkinIsTakenAsNamed) {
    addSkin("Default");
    addSkin("Ember");
    const UsableSkin choice = choose("ember");
    EXPECT_EQ(choice.name, "ember");
    EXPECT_EQ(choice.folder, dir / "Skins" / "Ember");
    EXPECT_EQ(choice.problem, "");
}

TEST_F(SkinChoiceTest, AnUnusableSkinFallsBackAndSaysWhy) {
    struct Case {
        const char* requested;
        const char* problem;
    };
    const Case cases[] = {
        {"", "str.ini names no skin. The skin \"Default\" is used instead."},
        {"Gone", "The skin \"Gone\" named in str.ini does not exist. The skin \"Default\" is used instead."},
        {"../../../../etc",
         "The skin path \"../../../../etc\" in str.ini is not a folder name under Skins. The skin \"Default\" is used "
         "instead."},
        {"..",
         "The skin path \"..\" in str.ini is not a folder name under Skins. The skin \"Default\" is used instead."},
        {"Small", "The skin \"Small\" has no main.png of 890 by 660 pixels. The skin \"Default\" is used instead."},
        {"Broken", "The skin \"Broken\" has no main.png of 890 by 660 pixels. The skin \"Default\" is used instead."},
    };
    addSkin("Default");
    addSkin("Small", std::pair{400, 300});
    addSkin("Broken", std::nullopt);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.requested);
        const UsableSkin choice = choose(c.requested);
        EXPECT_EQ(choice.name, "Default");
        EXPECT_EQ(choice.folder, dir / "Skins" / "Default");
        EXPECT_EQ(choice.problem, c.problem);
    }
}

TEST_F(SkinChoiceTest, WithoutAUsableDefaultTheFirstUsableSkinIsTaken) {
    addSkin("Default", std::pair{100, 100});
    addSkin("Azure");
    addSkin("Ember");
    EXPECT_EQ(choose("Gone").name, "Azure");
    sizes.clear();
    const UsableSkin none = choose("Gone");
    EXPECT_EQ(none.name, "");
    EXPECT_EQ(none.folder, std::nullopt);
    EXPECT_NE(none.problem.find("No usable skin"), std::string::npos);
}

} // namespace
} // namespace q417
