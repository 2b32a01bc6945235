#include "support/temp_dir.h"
#include "texts/language_fonts.h"
#include "texts/ui_settings.h"

#include <gtest/gtest.h>
#include <string>

namespace q417 {
namespace {

using test::TempDir;

class UiSettingsFile : public ::testing::Test {
protected:
    UiSettings readWith(std::string_view text) {
        dir.write("str.ini", text);
        return readUiSettings(file);
    }

    TempDir dir;
    IniFile file{dir / "str.ini"};
};

// A missing, empty or colourless str.ini gave black text on the dark skins; it now gives the factory
// colour and says what was wrong, once.
TEST_F(UiSettingsFile, WithoutAColourTheFactoryColourIsReadableAndTheUserIsTold) {
    const UiSettings settings = readUiSettings(file);
    EXPECT_EQ(settings.language, Language::English);
    EXPECT_EQ(settings.languageCode, "");
    EXPECT_EQ(settings.textColour, kFactoryTextColour);
    EXPECT_EQ(settings.skinName, "");
    EXPECT_EQ(settings.labels, KeyLabels{});
    EXPECT_EQ(settings.problem, (dir / "str.ini").string() + " is missing. The program starts with its own settings.");
    EXPECT_EQ(textFont(settings.language).family, "Arial");
    EXPECT_EQ(titleFont(settings.language).family, "Tahoma");
    EXPECT_FALSE(file.exists()) << "reading never creates the file";

    for (const std::string_view text : {std::string_view{}, std::string_view{"\x01\x02garbage\n"}}) {
        const UiSettings damaged = readWith(text);
        EXPECT_EQ(damaged.textColour, kFactoryTextColour);
        EXPECT_NE(damaged.problem.find("holds no interface colour"), std::string::npos) << damaged.problem;
    }
    EXPECT_EQ(readWith("[Skins]\nBColor=0\n").problem, "") << "a colour the user set stays, black included";
}

TEST_F(UiSettingsFile, LanguageFromTheWholeCodeAsTheFileHoldsIt) {
    struct Case {
        std::string file;
        Language language;
        std::string code;
    };
    const Case cases[] = {
        {"[Skins]\nLan=CHS\n", Language::Chs, "CHS"},
        {"[skins]\nlan=CHT\n", Language::Cht, "CHT"}, // names match in any case, the code does not
        {"[Skins]\nLan=SPAN\n", Language::Span, "SPAN"},
        {"[Skins]\nLan=chs\n", Language::English, "chs"},
        {"[Skins]\nLan=CHS \n", Language::Chs, "CHS"}, // the file's blanks are not part of the value
        {"[Skins]\nLan=\"CHS \"\n", Language::English, "CHS "},
        {"[Skins]\nLan=EN\n", Language::English, "EN"},
        {"[Skins]\nLan=\n", Language::English, ""},
        {"[Skins]\nPath=x\n", Language::English, ""},
        {"[Other]\nLan=CHS\n", Language::English, ""},
    };
    for (const Case& c : cases) {
        const UiSettings settings = readWith(c.file);
        EXPECT_EQ(settings.language, c.language) << c.file;
        EXPECT_EQ(settings.languageCode, c.code) << c.file;
    }
}

TEST_F(UiSettingsFile, ColourComponentsKeepTheirLowEightBits) {
    struct Case {
        std::string value;
        std::uint8_t component;
    };
    const Case cases[] = {
        {"0", 0},      {"255", 255}, {"256", 0}, {"300", 44},          {"-1", 255},
        {"12abc", 12}, {"abc", 0},   {" 7 ", 7}, {"99999999999", 255},
    };
    for (const Case& c : cases) {
        const UiSettings settings = readWith("[Skins]\nRColor=" + c.value + "\nBColor=" + c.value + "\n");
        EXPECT_EQ(settings.textColour[0], c.component) << c.value;
        EXPECT_EQ(settings.textColour[1], 0) << "a missing key reads as 0";
        EXPECT_EQ(settings.textColour[2], c.component) << c.value;
    }
}

TEST_F(UiSettingsFile, LabelsComeFromTheSectionOfTheLanguage) {
    const UiSettings settings =
        readWith("[Setting-EN]\nItem1=Left Click\n[Skins]\nLan=CHT\n[Setting-CHT]\nItem1=左鍵\nItem13=巨集-B\n");
    EXPECT_EQ(settings.labels[0][0], "左鍵");
    EXPECT_EQ(settings.labels[1][0], "巨集-B");
    EXPECT_EQ(settings.labels[0][1], "");
}

TEST_F(UiSettingsFile, SkinSettingsReadBackAndLeaveTheRestAlone) {
    const std::string before = "; interface\n[Skins]\nLan=CHT\nPath=Old\nExtra=1\n[Setting-CHT]\nItem2=右鍵\n";
    dir.write("str.ini", before);

    ASSERT_TRUE(writeSkinSettings(file, {1, 128, 255}, "深色 Blue").ok());

    const UiSettings settings = readUiSettings(file);
    EXPECT_EQ(settings.textColour, (std::array<std::uint8_t, 3>{1, 128, 255}));
    EXPECT_EQ(settings.skinName, "深色 Blue");
    EXPECT_EQ(settings.language, Language::Cht);
    EXPECT_EQ(settings.labels[0][1], "右鍵");
    EXPECT_EQ(dir.read("str.ini"), "; interface\n[Skins]\nLan=CHT\nPath=深色 Blue\nExtra=1\nRColor=1\nGColor=128\n"
                                   "BColor=255\n[Setting-CHT]\nItem2=右鍵\n");
}

TEST_F(UiSettingsFile, SkinSettingsCreateAMissingFile) {
    ASSERT_TRUE(writeSkinSettings(file, {0, 0, 0}, "").ok());
    EXPECT_EQ(dir.read("str.ini"), "[Skins]\nRColor=0\nGColor=0\nBColor=0\nPath=\n");
    const UiSettings settings = readUiSettings(file);
    EXPECT_EQ(settings.language, Language::English);
    EXPECT_EQ(settings.skinName, "");
}

} // namespace
} // namespace q417
