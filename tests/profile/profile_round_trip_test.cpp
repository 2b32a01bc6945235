#include "macro/macro_library.h"
#include "platform/ini_file.h"
#include "profile/profile_files.h"
#include "profile/profile_json.h"
#include "profile/profile_setups.h"
#include "texts/button_labels.h"

#include <cctype>
#include <gtest/gtest.h>

namespace q417::test {
namespace {

class ProfileRoundTrip : public ::testing::TestWithParam<ProfileSetup> {};

std::vector<ProfileMacro> macrosIn(const TempDir& dir) {
    const MacroLibrary library(dir / "record.ini");
    std::vector<ProfileMacro> macros;
    for (const std::string& name : library.listMacroNames()) {
        macros.push_back({name, 0, library.loadMacro(name)});
    }
    return macros;
}

TEST_P(ProfileRoundTrip, ExportThenImportGivesTheSameFiles) {
    const TempDir from;
    writeSetup(from, GetParam().data);
    std::string json;
    ASSERT_TRUE(exportProfile(DataPaths(from.path()), json).ok());

    // The target folder holds another setup, which the import replaces whole.
    const TempDir to;
    writeSetup(to, profileSetups()[2].data);
    const Status imported = importProfile(DataPaths(to.path()), json);
    ASSERT_TRUE(imported.ok()) << imported.message;

    EXPECT_EQ(to.read("config.bin").substr(1), from.read("config.bin").substr(1));
    EXPECT_EQ(to.read("config.bin")[0], 1) << "the labels are kept, not made afresh";
    const std::vector<ProfileMacro> macros = macrosIn(to);
    ASSERT_EQ(macros.size(), GetParam().data.macros.size());
    for (std::size_t i = 0; i < macros.size(); ++i) {
        EXPECT_EQ(macros[i].name, GetParam().data.macros[i].name);
        EXPECT_EQ(macros[i].lines, GetParam().data.macros[i].lines);
    }
    const IniFile fromUi(from / "str.ini");
    const IniFile toUi(to / "str.ini");
    for (std::size_t lang = 0; lang < kLanguageCount; ++lang) {
        EXPECT_EQ(readButtonLabels(toUi, static_cast<Language>(lang)),
                  readButtonLabels(fromUi, static_cast<Language>(lang)));
    }
    std::string again;
    ASSERT_TRUE(exportProfile(DataPaths(to.path()), again).ok());
    EXPECT_EQ(again, json);
}

INSTANTIATE_TEST_SUITE_P(Setups, ProfileRoundTrip, ::testing::ValuesIn(profileSetups()), [](const auto& param) {
    std::string name;
    for (const char c : param.param.name) {
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    }
    return name;
});

TEST(ProfileJson, StartsWithTheFormatAndVersion) {
    const std::string json = writeProfileJson(profileSetups()[0].data);
    EXPECT_EQ(json.rfind("{\n  \"format\": \"q417-profile\",\n  \"version\": 1,", 0), 0u) << json.substr(0, 80);
}

TEST(ProfileJson, ANamedFieldWinsOverTheRecord) {
    std::string json = writeProfileJson(profileSetups()[0].data);
    const std::string from = "\"reportRate\": 1000";
    ASSERT_NE(json.find(from), std::string::npos);
    json.replace(json.find(from), from.size(), "\"reportRate\": 125");
    const ProfileParse parse = readProfileJson(json);
    ASSERT_TRUE(parse.status.ok()) << parse.status.message;
    EXPECT_EQ(parse.profile.config.reportRate, 8);
}

TEST(ProfileExport, RefusesALibraryTheMouseCannotHold) {
    const TempDir dir;
    writeSetup(dir, profileSetups()[0].data);
    std::string record;
    for (int n = 0; n < 13; ++n) {
        record += "[m" + std::to_string(n) + "]\nItemCount=0\n";
    }
    dir.write("record.ini", record);
    std::string json;
    const Status status = exportProfile(DataPaths(dir.path()), json);
    EXPECT_EQ(status.kind, ErrorKind::DataFile);
    EXPECT_NE(status.message.find("holds 13 macros; a profile holds 12"), std::string::npos) << status.message;
}

} // namespace
} // namespace q417::test
