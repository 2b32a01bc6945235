#include "platform/kde_pointer_settings.h"
#include "platform/pointer_settings_factory.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace q417 {
namespace {

TEST(PointerSettingsFactory, TheDesktopListPicksTheBackEnd) {
    using Kind = PointerBackendKind;
    for (const auto& [desktop, kind] : std::vector<std::pair<std::string_view, Kind>>{
             {"KDE", Kind::Kde},
             {"GNOME", Kind::Gnome},
             {"ubuntu:GNOME", Kind::Gnome},
             {"Unity", Kind::Gnome},
             {"Unity:Unity7:ubuntu", Kind::Gnome},
             {"Budgie:GNOME", Kind::Gnome},
             {"Pantheon", Kind::Gnome},
             {"GNOME-Flashback:GNOME", Kind::Gnome},
             {"GNOME-Classic:GNOME", Kind::Gnome},
             {"gnome", Kind::Gnome},
             {"X-Cinnamon", Kind::None},
             {"XFCE", Kind::None},
             {"MATE", Kind::None},
             {"LXQt", Kind::None},
             {"", Kind::None},
             {":", Kind::None},
             {"GNOMEish", Kind::None},
             {"X-Generic:KDE", Kind::Kde},
         }) {
        EXPECT_EQ(pointerBackendFor(desktop), kind) << "'" << desktop << "'";
    }
}

TEST(PointerSettingsFactory, MakesTheBackEndItPicked) {
    test::TempDir dir;
    EXPECT_NE(dynamic_cast<KdePointerSettings*>(makePointerSettings("KDE", dir.path()).get()), nullptr);
    EXPECT_NE(dynamic_cast<NoPointerSettings*>(makePointerSettings("XFCE", dir.path()).get()), nullptr);
    EXPECT_NE(dynamic_cast<NoPointerSettings*>(makePointerSettings("", dir.path()).get()), nullptr);
}

TEST(PointerSettingsFactory, ConfigHomeIsXdgsOrTheHomeFolders) {
    EXPECT_EQ(userConfigHome("/x/config", "/home/u"), std::filesystem::path("/x/config"));
    EXPECT_EQ(userConfigHome("relative", "/home/u"), std::filesystem::path("/home/u/.config"));
    EXPECT_EQ(userConfigHome("", "/home/u"), std::filesystem::path("/home/u/.config"));
    EXPECT_EQ(userConfigHome(nullptr, "/home/u"), std::filesystem::path("/home/u/.config"));
    EXPECT_EQ(userConfigHome(nullptr, nullptr), std::filesystem::path());
}

TEST(PointerSettingsFactory, EveryBackEndHasADescription) {
    for (const auto kind : {PointerBackendKind::None, PointerBackendKind::Gnome, PointerBackendKind::Kde}) {
        EXPECT_FALSE(describePointerBackend(kind).empty());
    }
}

} // namespace
} // namespace q417
