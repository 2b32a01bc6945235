#include "profile/profile_files.h"
#include "profile/profile_setups.h"

#include <functional>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace q417::test {
namespace {

using Json = nlohmann::ordered_json;

struct BadProfile {
    std::string name;
    std::function<void(Json&)> edit; // applied to a good profile
    std::string message;             // how the refusal begins
};

Json macroWith(std::string name) {
    return Json{{"name", std::move(name)}, {"repeat", 1}, {"lines", Json::array({"A   Dn", "10 ms", "A   Up"})}};
}

std::vector<BadProfile> badProfiles() {
    return {
        {"format missing", [](Json& j) { j.erase("format"); }, "format: missing"},
        {"another format", [](Json& j) { j["format"] = "other"; }, "format: not a profile"},
        {"newer version", [](Json& j) { j["version"] = 2; }, "version: the profile is of format version 2, newer"},
        {"version as text", [](Json& j) { j["version"] = "1"; }, "version: must be a whole number"},
        {"unknown field", [](Json& j) { j["color"] = 1; }, "color: unknown field"},
        {"report rate as text", [](Json& j) { j["reportRate"] = "fast"; }, "reportRate: must be 1000, 500, 250 or 125"},
        {"report rate out of range", [](Json& j) { j["reportRate"] = 300; }, "reportRate: must be"},
        {"key mode", [](Json& j) { j["keyMode"] = "C"; }, "keyMode: must be \"A\" or \"B\""},
        {"function as number", [](Json& j) { j["banks"]["A"][0]["function"] = 5; },
         "banks.A[0].function: must be a string"},
        {"unknown function",
         [](Json& j) {
             j["banks"]["B"][3] = Json{{"function", "jump"}};
         },
         "banks.B[3].function: unknown function 'jump'"},
        {"unknown key name",
         [](Json& j) {
             j["banks"]["A"][2] = Json{{"function", "single-key"}, {"key", "Foo"}};
         },
         "banks.A[2].key: unknown key name 'Foo'"},
        {"unknown media key",
         [](Json& j) {
             j["banks"]["A"][2] = Json{{"function", "media-key"}, {"key", "Louder"}};
         },
         "banks.A[2].key: unknown media key 'Louder'"},
        {"parameter of another function",
         [](Json& j) {
             j["banks"]["A"][1] = Json{{"function", "single-key"}, {"speed", 9}};
         },
         "banks.A[1].speed: not a parameter of 'single-key'"},
        {"fire speed too small",
         [](Json& j) {
             j["banks"]["A"][1] = Json{{"function", "fire-key"}, {"key", "A"}, {"speed", 2}};
         },
         "banks.A[1].speed: out of range 5..255: 2"},
        {"playback out of range",
         [](Json& j) {
             j["banks"]["A"][1] = Json{{"function", "macro"}, {"playback", 4}};
         },
         "banks.A[1].playback: out of range 1..3: 4"},
        {"unknown macro",
         [](Json& j) {
             j["banks"]["A"][1] = Json{{"function", "macro"}, {"macro", "nope"}};
         },
         "banks.A[1].macro: unknown macro 'nope'"},
        {"eleven buttons", [](Json& j) { j["banks"]["A"].erase(11); }, "banks.A: must hold 12 entries"},
        {"pointer speed", [](Json& j) { j["pointer"]["speed"] = 12; }, "pointer.speed: out of range 1..11: 12"},
        {"precision as number", [](Json& j) { j["pointer"]["enhancePrecision"] = 1; },
         "pointer.enhancePrecision: must be true or false"},
        {"colour", [](Json& j) { j["dpiStages"][1]["colour"] = "#12345"; }, "dpiStages[1].colour: must be a colour"},
        {"DPI level", [](Json& j) { j["dpiStages"][0]["level"] = 256; }, "dpiStages[0].level: out of range 0..255"},
        {"fractional level", [](Json& j) { j["dpiStages"][0]["level"] = 1.5; }, "dpiStages[0].level: must be a whole"},
        {"lighting mode", [](Json& j) { j["lighting"]["mode"] = "disco"; }, "lighting.mode: must be"},
        {"bad macro line", [](Json& j) { j["macros"][2]["lines"][5] = "Foo   Dn"; },
         "macros[2].lines[5]: unknown key name 'Foo'"},
        {"line of nothing", [](Json& j) { j["macros"][0]["lines"][1] = "soon"; },
         "macros[0].lines[1]: not a key press"},
        {"line as number", [](Json& j) { j["macros"][0]["lines"][1] = 50; }, "macros[0].lines[1]: must be a string"},
        {"repeat out of range", [](Json& j) { j["macros"][1]["repeat"] = 70000; }, "macros[1].repeat: out of range"},
        {"thirteenth macro", [](Json& j) { j["macros"].push_back(macroWith("thirteen")); },
         "macros[12]: the mouse holds 12 macros"},
        {"duplicate macro name", [](Json& j) { j["macros"][3]["name"] = "MACRO 1"; },
         "macros[3].name: a second macro named 'MACRO 1'"},
        {"macro name with a bracket", [](Json& j) { j["macros"][0]["name"] = "a]b"; }, "macros[0].name: a macro name"},
        {"macro name too long", [](Json& j) { j["macros"][0]["name"] = std::string(32, 'x'); },
         "macros[0].name: a macro name has at most 31"},
        {"too few labels", [](Json& j) { j["labels"]["CHS"]["B"].erase(0); }, "labels.CHS.B: must hold 12 entries"},
        {"record too short", [](Json& j) { j["record"] = "00ff"; }, "record: must be the 1985 bytes"},
        {"not an object", [](Json& j) { j = Json::array(); }, "(top): must be an object"},
    };
}

class ProfileRefused : public ::testing::TestWithParam<BadProfile> {};

TEST_P(ProfileRefused, WithItsFieldPathAndNothingChanged) {
    const TempDir dir;
    writeSetup(dir, profileSetups()[2].data); // twelve macros
    std::string good;
    ASSERT_TRUE(exportProfile(DataPaths(dir.path()), good).ok());
    Json json = Json::parse(good);
    GetParam().edit(json);
    const std::string config = dir.read("config.bin"), record = dir.read("record.ini"), ui = dir.read("str.ini");

    const Status status = importProfile(DataPaths(dir.path()), json.dump(2));

    EXPECT_EQ(status.kind, ErrorKind::DataFile);
    EXPECT_EQ(status.message.rfind(GetParam().message, 0), 0u) << status.message;
    EXPECT_EQ(dir.read("config.bin"), config);
    EXPECT_EQ(dir.read("record.ini"), record);
    EXPECT_EQ(dir.read("str.ini"), ui);
}

INSTANTIATE_TEST_SUITE_P(Profiles, ProfileRefused, ::testing::ValuesIn(badProfiles()), [](const auto& param) {
    std::string name;
    for (const char c : param.param.name) {
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    }
    return name;
});

TEST(ProfileRefused, ATruncatedFileSaysWhereItBreaksOff) {
    const TempDir dir;
    writeSetup(dir, profileSetups()[0].data);
    std::string good;
    ASSERT_TRUE(exportProfile(DataPaths(dir.path()), good).ok());
    const std::string config = dir.read("config.bin");
    const Status status = importProfile(DataPaths(dir.path()), good.substr(0, good.size() / 2));
    EXPECT_EQ(status.message.rfind("(file): not valid JSON", 0), 0u) << status.message;
    EXPECT_EQ(dir.read("config.bin"), config);
}

} // namespace
} // namespace q417::test
