#include "profile/profile_store.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace q417::test {
namespace {

struct NameCase {
    std::string name;
    std::string file;
};

class ProfileFileNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(ProfileFileNames, SpellTheNameSafelyAndReadBack) {
    EXPECT_EQ(profileFileName(GetParam().name), GetParam().file);
    EXPECT_EQ(profileNameOfFile(GetParam().file), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Names, ProfileFileNames,
                         ::testing::Values(NameCase{"Gaming", "Gaming.json"}, NameCase{"My setup 2", "My setup 2.json"},
                                           NameCase{"../etc/passwd", "%2E%2E%2Fetc%2Fpasswd.json"},
                                           NameCase{".hidden", "%2Ehidden.json"}, NameCase{"50%", "50%25.json"},
                                           NameCase{"été", "%C3%A9t%C3%A9.json"}));

TEST(ProfileFileNames, OtherFilesAreNotProfiles) {
    for (const char* file : {"notes.txt", ".json", "a%2.json", "a%41.json", "a%2e.json", "a.b.json", "%0A.json"}) {
        EXPECT_EQ(profileNameOfFile(file), std::nullopt) << file;
    }
}

TEST(ProfileNames, RefusedNames) {
    for (const std::string& name :
         {std::string(), std::string(101, 'x'), std::string("a\nb"), std::string("tab\there")}) {
        EXPECT_EQ(checkProfileName(name).kind, ErrorKind::Usage) << name;
    }
}

TEST(ProfileStore, StoresListsReadsAndDeletes) {
    const TempDir dir;
    const DataPaths paths(dir.path());
    EXPECT_TRUE(listProfiles(paths).empty());
    ASSERT_TRUE(storeProfile(paths, "b/2", "{}").ok());
    ASSERT_TRUE(storeProfile(paths, "a", "{\"x\":1}").ok());
    ASSERT_TRUE(storeProfile(paths, "a", "{\"x\":2}").ok());
    dir.write("profiles/stray.txt", "");
    EXPECT_EQ(listProfiles(paths), (std::vector<std::string>{"a", "b/2"}));
    std::string json;
    ASSERT_TRUE(readStoredProfile(paths, "a", json).ok());
    EXPECT_EQ(json, "{\"x\":2}");
    ASSERT_TRUE(deleteStoredProfile(paths, "b/2").ok());
    EXPECT_EQ(listProfiles(paths), std::vector<std::string>{"a"});
    EXPECT_EQ(deleteStoredProfile(paths, "b/2").kind, ErrorKind::NotFound);
    EXPECT_EQ(readStoredProfile(paths, "zzz", json).kind, ErrorKind::NotFound);
}

} // namespace
} // namespace q417::test
