#include "platform/autostart_entry.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace q417 {
namespace {

std::string execLine(const std::filesystem::path& program) {
    std::string entry;
    EXPECT_TRUE(AutostartEntry::text(program, entry).ok());
    const std::size_t start = entry.find("\nExec=");
    return entry.substr(start + 1, entry.find('\n', start + 1) - start - 1);
}

TEST(AutostartEntry, TheExecKeyQuotesAndEscapesThePathAsDesktopEntriesAsk) {
    struct Case {
        const char* program;
        const char* exec;
    };
    const Case cases[] = {
        {"/usr/bin/Tarvell-Q417", "Exec=/usr/bin/Tarvell-Q417"},
        {"/opt/my mouse/Tarvell-Q417", R"(Exec="/opt/my mouse/Tarvell-Q417")"},
        {"/opt/$x/Tarvell-Q417", R"(Exec="/opt/\\$x/Tarvell-Q417")"},
        {"/opt/a\"b/Tarvell-Q417", R"(Exec="/opt/a\\"b/Tarvell-Q417")"},
        {"/opt/100%/Tarvell-Q417", "Exec=/opt/100%%/Tarvell-Q417"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(execLine(c.program), c.exec) << c.program;
    }
    std::string entry;
    EXPECT_EQ(AutostartEntry::text("/opt/a\nb/Tarvell-Q417", entry).kind, ErrorKind::Usage);
}

class AutostartEntryFile : public ::testing::Test {
protected:
    test::TempDir dir;
    AutostartEntry entry{dir / "config"};
};

TEST_F(AutostartEntryFile, OnWritesTheEntryAndOffRemovesIt) {
    EXPECT_EQ(entry.file(), dir / "config/autostart/example.tarvell.q417.desktop");
    EXPECT_FALSE(entry.enabled());
    ASSERT_TRUE(entry.enable("/usr/bin/Tarvell-Q417").ok());
    EXPECT_TRUE(entry.enabled());
    const std::string text = dir.read("config/autostart/example.tarvell.q417.desktop");
    EXPECT_TRUE(text.starts_with("[Desktop Entry]\nType=Application\n")) << text;
    EXPECT_NE(text.find("\nExec=/usr/bin/Tarvell-Q417\n"), std::string::npos) << text;
    ASSERT_TRUE(entry.enable("/opt/bin/Tarvell-Q417").ok()) << "on twice replaces the entry";
    EXPECT_NE(dir.read("config/autostart/example.tarvell.q417.desktop").find("Exec=/opt/bin/"), std::string::npos);
    ASSERT_TRUE(entry.disable().ok());
    EXPECT_FALSE(std::filesystem::exists(entry.file()));
    EXPECT_TRUE(entry.disable().ok()) << "off twice is no failure";
}

TEST_F(AutostartEntryFile, AnEntryTheDesktopWasToldToSkipIsOff) {
    std::filesystem::create_directories(dir / "config/autostart");
    const std::pair<const char*, bool> cases[] = {
        {"[Desktop Entry]\nExec=x\n", true},
        {"[Desktop Entry]\nHidden=true\n", false},
        {"[Desktop Entry]\nHidden = true\n", false},
        {"[Desktop Entry]\nHidden=false\n", true},
        {"[Desktop Entry]\nX-GNOME-Autostart-enabled=false\n", false},
    };
    for (const auto& [text, enabled] : cases) {
        dir.write("config/autostart/example.tarvell.q417.desktop", text);
        EXPECT_EQ(entry.enabled(), enabled) << text;
    }
}

} // namespace
} // namespace q417
