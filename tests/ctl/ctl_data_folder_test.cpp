#include "config/config_file.h"
#include "config/factory_defaults.h"
#include "ctl/ctl.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <sstream>

namespace q417 {
namespace {

// q417ctl as installed: executables in usr/bin, the factory files in usr/share/q417, and a user
// whose configuration folder is still empty.
class CtlInstalled : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(dir / "usr/bin");
        std::filesystem::create_directories(dir / "usr/share/q417");
        dir.write("usr/share/q417/config.bin", configFileBytes(factoryConfig(), 0));
        dir.write("usr/share/q417/str.ini", factoryUiSettingsText());
    }
    struct Run {
        int code;
        std::string out;
        std::string err;
    };
    Run ctl(const std::vector<std::string>& args) {
        std::ostringstream out;
        std::ostringstream err;
        CtlSeams seams;
        seams.programDir = dir / "usr/bin";
        seams.configHome = dir / "home/.config";
        const int code = runCtl(args, out, err, seams);
        return {code, out.str(), err.str()};
    }
    test::TempDir dir;
    std::filesystem::path userDir = dir / "home/.config/q417";
};

TEST_F(CtlInstalled, TheFirstCommandMakesTheUsersFolderAndShowSaysWhichFolderItUses) {
    const Run r = ctl({"show"});
    EXPECT_EQ(r.code, kExitOk) << r.err;
    EXPECT_TRUE(r.out.starts_with("data folder: " + userDir.string() + " (the user's own; factory files in " +
                                  (dir / "usr/share/q417").string() + ")\n"))
        << r.out;
    EXPECT_EQ(dir.read("home/.config/q417/config.bin"), dir.read("usr/share/q417/config.bin"));
    EXPECT_EQ(dir.read("home/.config/q417/str.ini"), dir.read("usr/share/q417/str.ini"));
}

TEST_F(CtlInstalled, HelpEndsWithTheDataFolder) {
    const Run r = ctl({"--help"});
    EXPECT_TRUE(r.out.ends_with("\nData folder: " + userDir.string() + " (the user's own; factory files in " +
                                (dir / "usr/share/q417").string() + ")\n"))
        << r.out;
    EXPECT_NE(ctl({"--data-dir", "/data", "--help"}).out.find("Data folder: /data (given with --data-dir)"),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(userDir)) << "help creates nothing";
}

TEST_F(CtlInstalled, WithoutTheFactoryFilesTheCommandFailsInOneLine) {
    std::filesystem::remove(dir / "usr/share/q417/config.bin");
    const Run r = ctl({"macros", "list"});
    EXPECT_EQ(r.code, kExitDataFile);
    EXPECT_NE(r.err.find((dir / "usr/share/q417/config.bin").string()), std::string::npos) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
}

TEST_F(CtlInstalled, AutostartStartsTheTrayProgramBesideQ417ctl) {
    EXPECT_EQ(ctl({"autostart", "status"}).out, "autostart off\n");
    const Run missing = ctl({"autostart", "on"});
    EXPECT_EQ(missing.code, kExitDataFile);
    EXPECT_NE(missing.err.find("Tarvell-Q417"), std::string::npos) << missing.err;

    dir.write("usr/bin/Tarvell-Q417", "");
    const Run on = ctl({"autostart", "on"});
    EXPECT_EQ(on.code, kExitOk) << on.err;
    const std::string entry = dir.read("home/.config/autostart/example.tarvell.q417.desktop");
    EXPECT_NE(entry.find("\nExec=" + (dir / "usr/bin/Tarvell-Q417").string() + "\n"), std::string::npos) << entry;
    EXPECT_EQ(ctl({"autostart", "status"}).out,
              "autostart on (" + (dir / "home/.config/autostart/example.tarvell.q417.desktop").string() + ")\n");
    EXPECT_EQ(ctl({"autostart", "off"}).code, kExitOk);
    EXPECT_EQ(ctl({"autostart", "status"}).out, "autostart off\n");
    EXPECT_FALSE(std::filesystem::exists(userDir)) << "autostart needs no data folder";
}

} // namespace
} // namespace q417
