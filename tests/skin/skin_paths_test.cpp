#include "dialogs/dialog_backgrounds.h"
#include "skin/skin_files.h"
#include "skin/skin_paths.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace q417 {
namespace {

TEST(SkinPaths, FolderIsSkinsThenTheNameAndImagesAreJoinedAsText) {
    const DataPaths paths("/opt/q417");
    EXPECT_EQ(skinFolder(paths, "Default"), "/opt/q417/Skins/Default");
    EXPECT_EQ(skinFolder(paths, ""), "/opt/q417/Skins/"); // the Skins folder itself: no image there
    EXPECT_EQ(skinImagePath(skinFolder(paths, "Default"), "/main.png"), "/opt/q417/Skins/Default/main.png");
    EXPECT_EQ(skinImagePath(skinFolder(paths, ""), "/main.png"), "/opt/q417/Skins//main.png");
}

TEST(SkinPaths, ASkinIsTakenFromTheFirstSkinsFolderThatHoldsIt) {
    test::TempDir dir;
    std::filesystem::create_directories(dir / "user/Skins/Mine");
    std::filesystem::create_directories(dir / "share/Skins/Default");
    std::filesystem::create_directories(dir / "share/Skins/Mine");
    const DataPaths paths(dir / "user", DataFolderKind::User, dir / "share");
    EXPECT_EQ(skinFolder(paths, "Mine"), dir / "user/Skins/Mine");
    EXPECT_EQ(skinFolder(paths, "Default"), dir / "share/Skins/Default");
    EXPECT_EQ(skinFolder(paths, "Gone"), dir / "user/Skins/Gone") << "a missing skin is looked for in the user's";
}

TEST(SkinFiles, EveryNameBeginsWithASlashEndsInPngAndIsListedOnce) {
    std::set<std::string_view> seen;
    for (const std::string_view name : skin::kFileSet) {
        EXPECT_TRUE(name.starts_with('/')) << name;
        EXPECT_TRUE(name.ends_with(".png")) << name;
        EXPECT_TRUE(seen.insert(name).second) << name;
    }
    for (const DialogBackground& dialog : kDialogBackgrounds) {
        EXPECT_TRUE(seen.contains(dialog.image)) << dialog.image;
    }
}

TEST(DialogBackgrounds, EachDialogHasItsImageAndFailureCaption) {
    EXPECT_EQ(dialogBackground(SkinnedDialogKind::Skins).image, "/skins.png");
    EXPECT_EQ(dialogBackground(SkinnedDialogKind::Skins).failureCaption,
              "Skins Dialog Load background image failed!!!");
    EXPECT_EQ(dialogBackground(SkinnedDialogKind::DelayTime).image, "/delay-time.png");
    EXPECT_EQ(dialogBackground(SkinnedDialogKind::ComboKey).failureCaption,
              "Combo Dialog Load background image failed!!!");
    std::set<std::string_view> images;
    for (const DialogBackground& dialog : kDialogBackgrounds) {
        EXPECT_EQ(&dialogBackground(dialog.kind), &dialog);
        images.insert(dialog.image);
    }
    EXPECT_EQ(images.size(), kDialogBackgrounds.size());
}

} // namespace
} // namespace q417
