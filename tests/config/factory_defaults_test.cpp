#include "config/factory_defaults.h"
#include "platform/ini_document.h"

#include <gtest/gtest.h>
#include <set>

namespace q417 {
namespace {

TEST(FactoryDefaults, ConfigIsTheDefaultAssignmentsWithDistinctStageColours) {
    const MouseConfig c = factoryConfig();
    MouseConfig expectedKeys{};
    resetKeyAssignments(expectedKeys);
    EXPECT_EQ(c.banks[0].function, expectedKeys.banks[0].function);
    EXPECT_EQ(c.banks[1].function, expectedKeys.banks[1].function);
    EXPECT_EQ(c.reportRate, 1);
    EXPECT_EQ(c.dpiLevel, (std::array<std::uint8_t, 4>{1, 4, 7, 10}));
    EXPECT_EQ(c.dpiStageEnabled, (std::array<std::uint8_t, 4>{1, 1, 1, 1}));
    EXPECT_EQ(std::set(c.dpiColor.begin(), c.dpiColor.end()).size(), 4U);
    EXPECT_EQ(c.ledMode, 1);
    EXPECT_EQ((std::array{c.ledOption1, c.ledOption2, c.ledOption3}), (std::array<std::uint8_t, 3>{1, 1, 2}));
    EXPECT_EQ(c.pointerSpeedLevel, 6);
    EXPECT_EQ(c.activeMode, 0);
}

TEST(FactoryDefaults, UiSettingsNameEnglishTheDefaultSkinAndAReadableColour) {
    const IniDocument doc = IniDocument::parse(factoryUiSettingsText());
    EXPECT_EQ(doc.value("Skins", "Lan"), "EN");
    EXPECT_EQ(doc.value("Skins", "Path"), "Default");
    EXPECT_NE(doc.value("Skins", "RColor"), "0");
    EXPECT_EQ(doc.sectionNames(), std::vector<std::string>{"Skins"});
}

} // namespace
} // namespace q417
