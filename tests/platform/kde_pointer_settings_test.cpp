#include "config/factory_defaults.h"
#include "config/system_pointer.h"
#include "platform/kde_pointer_settings.h"
#include "support/recording_messages.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace q417 {
namespace {

class RecordingNotifier final : public KdeConfigNotifier {
public:
    struct Change {
        std::string file, group;
        std::vector<std::string> keys;
        bool operator==(const Change&) const = default;
    };
    explicit RecordingNotifier(std::vector<Change>& changes, int& globalChanges)
        : changes_(changes)
        , globalChanges_(globalChanges) {}
    void configChanged(std::string_view file, std::string_view group, const std::vector<std::string>& keys) override {
        changes_.push_back({std::string(file), std::string(group), keys});
    }
    void globalMouseSettingsChanged() override { ++globalChanges_; }

private:
    std::vector<Change>& changes_;
    int& globalChanges_;
};
using Change = RecordingNotifier::Change;

// Plasma's configuration folder as a temporary one; the notifications are recorded.
class KdePointerTest : public ::testing::Test {
protected:
    KdePointerSettings settingsIn(const std::filesystem::path& folder) {
        return KdePointerSettings(folder, std::make_unique<RecordingNotifier>(changes, globalChanges));
    }

    test::TempDir dir;
    std::vector<Change> changes;
    int globalChanges = 0;
    KdePointerSettings kde = settingsIn(dir.path());
    test::RecordingMessages messages;
};

TEST_F(KdePointerTest, MissingFilesReadAsPlasmasDefaults) {
    EXPECT_EQ(kde.readPrecision().outcome, SettingOutcome::Done);
    EXPECT_TRUE(kde.readPrecision().value) << "the adaptive profile";
    EXPECT_EQ(kde.readSpeed().value, 10);
    EXPECT_EQ(kde.readWheelLines().value, 3);
    EXPECT_EQ(kde.readDoubleClickTimeMs().value, 400);
}

TEST_F(KdePointerTest, ReadsTheKeysPlasmaWrote) {
    dir.write("kcminputrc", "[Keyboard]\nNumLock=0\n\n[Mouse]\ncursorTheme=breeze_cursors\n"
                            "XLbInptAccelProfileFlat=true\nXLbInptPointerAcceleration=-0.4\n");
    dir.write("kdeglobals",
              "[General]\nColorScheme=BreezeDark\n\n[KDE]\nDoubleClickInterval=550\nWheelScrollLines=7\n");
    EXPECT_FALSE(kde.readPrecision().value);
    EXPECT_EQ(kde.readSpeed().value, 6);
    EXPECT_EQ(kde.readWheelLines().value, 7);
    EXPECT_EQ(kde.readDoubleClickTimeMs().value, 550);
}

TEST_F(KdePointerTest, ValuesPlasmaWouldNotUnderstandReadAsItsDefaults) {
    dir.write("kcminputrc", "[Mouse]\nXLbInptAccelProfileFlat=maybe\nXLbInptPointerAcceleration=0,4\n");
    dir.write("kdeglobals", "[KDE]\nDoubleClickInterval=\nWheelScrollLines=\n");
    EXPECT_TRUE(kde.readPrecision().value);
    EXPECT_EQ(kde.readSpeed().value, 10);
    EXPECT_EQ(kde.readWheelLines().value, 3);
    EXPECT_EQ(kde.readDoubleClickTimeMs().value, 400);
}

TEST_F(KdePointerTest, PlasmasTruthValuesForTheFlatProfile) {
    for (const auto& [text, precision] : std::vector<std::pair<const char*, bool>>{{"true", false},
                                                                                   {"True", false},
                                                                                   {"on", false},
                                                                                   {"yes", false},
                                                                                   {"1", false},
                                                                                   {"false", true},
                                                                                   {"off", true},
                                                                                   {"no", true},
                                                                                   {"0", true}}) {
        dir.write("kcminputrc", std::string("[Mouse]\nXLbInptAccelProfileFlat=") + text + "\n");
        EXPECT_EQ(kde.readPrecision().value, precision) << text;
    }
}

TEST_F(KdePointerTest, AWriteChangesItsOneLineAndTellsThePlasmaSession) {
    const std::string input = "# kept\n[Libinput][1133][49291][Some Mouse]\nPointerAcceleration=0.2\n\n"
                              "[Mouse]\ncursorTheme=breeze_cursors\nXLbInptPointerAcceleration=0.2\n\n"
                              "[Keyboard]\nNumLock=0\n";
    dir.write("kcminputrc", input);
    ASSERT_EQ(kde.writeSpeed(3), SettingOutcome::Done);
    std::string expected = input;
    expected.replace(expected.find("XLbInptPointerAcceleration=0.2"), 30, "XLbInptPointerAcceleration=-0.7");
    EXPECT_EQ(dir.read("kcminputrc"), expected);
    EXPECT_EQ(changes, (std::vector<Change>{{"kcminputrc", "Mouse", {"XLbInptPointerAcceleration"}}}));
    EXPECT_EQ(globalChanges, 0);
    EXPECT_EQ(kde.readSpeed().value, 3);
}

TEST_F(KdePointerTest, MissingFilesAndFoldersAreCreated) {
    const std::filesystem::path fresh = dir / "new" / "config";
    KdePointerSettings created = settingsIn(fresh);
    ASSERT_EQ(created.writePrecision(false), SettingOutcome::Done);
    ASSERT_EQ(created.writeDoubleClickTimeMs(550), SettingOutcome::Done);
    ASSERT_EQ(created.writeWheelLines(11), SettingOutcome::Done);
    EXPECT_FALSE(created.readPrecision().value);
    EXPECT_EQ(created.readDoubleClickTimeMs().value, 550);
    EXPECT_EQ(created.readWheelLines().value, 11);
    EXPECT_EQ(changes, (std::vector<Change>{{"kcminputrc", "Mouse", {"XLbInptAccelProfileFlat"}},
                                            {"kdeglobals", "KDE", {"DoubleClickInterval"}},
                                            {"kdeglobals", "KDE", {"WheelScrollLines"}}}));
    EXPECT_EQ(globalChanges, 2) << "the global mouse settings changed twice";
}

TEST_F(KdePointerTest, OneScreenPerNotchIsNotPlasmasAndWritesNothing) {
    EXPECT_EQ(kde.writeWheelLines(PointerSettings::kOneScreenPerNotch), SettingOutcome::Unavailable);
    EXPECT_FALSE(std::filesystem::exists(dir / "kdeglobals"));
    EXPECT_TRUE(changes.empty());
    EXPECT_EQ(globalChanges, 0);
}

TEST_F(KdePointerTest, ApplyAndDefaultThroughThePlasmaFiles) {
    MouseConfig config = factoryConfig();
    config.enhancePointerPrecision = 1;
    config.scrollOneScreen = 0;
    config.pointerSpeedLevel = 11;
    config.wheelScrollLines = 5;
    config.doubleClickLevel = 1;
    applySystemMouseSettings(kde, messages, config);
    EXPECT_EQ(dir.read("kcminputrc"), "[Mouse]\nXLbInptAccelProfileFlat=false\nXLbInptPointerAcceleration=1\n");
    EXPECT_EQ(dir.read("kdeglobals"), "[KDE]\nWheelScrollLines=5\nDoubleClickInterval=900\n");

    config.scrollOneScreen = 1; // Plasma has no such scrolling: its lines stay, without a word
    restoreSystemDefaults(kde, messages, config);
    EXPECT_EQ(dir.read("kcminputrc"), "[Mouse]\nXLbInptAccelProfileFlat=true\nXLbInptPointerAcceleration=0\n");
    EXPECT_EQ(dir.read("kdeglobals"), "[KDE]\nWheelScrollLines=3\nDoubleClickInterval=500\n");
    EXPECT_TRUE(messages.messages.empty());

    config = factoryConfig();
    readSystemMouseSettings(kde, messages, config);
    EXPECT_EQ(config.enhancePointerPrecision, 0);
    EXPECT_EQ(config.pointerSpeedLevel, 6);
    EXPECT_EQ(config.wheelScrollLines, 3);
    EXPECT_EQ(config.doubleClickLevel, 6);
}

TEST_F(KdePointerTest, UnreadableAndUnwritableFilesFailWithTheirWarnings) {
    std::filesystem::create_directory(dir / "kcminputrc"); // a folder where the file should be
    dir.write("blocked", "a file where the configuration folder should be");
    EXPECT_EQ(kde.readSpeed().outcome, SettingOutcome::Failed);
    EXPECT_EQ(kde.readPrecision().outcome, SettingOutcome::Failed);
    EXPECT_EQ(kde.writeSpeed(10), SettingOutcome::Failed);
    EXPECT_EQ(kde.readWheelLines().outcome, SettingOutcome::Done) << "kdeglobals is missing, not unreadable";

    KdePointerSettings blocked = settingsIn(dir / "blocked");
    MouseConfig config = factoryConfig();
    applySystemMouseSettings(blocked, messages, config);
    EXPECT_EQ(messages.messages,
              (std::vector<test::RecordingMessages::Message>{{"SETMOUSE failed.", "Warning"},
                                                             {"SETMOUSESPEED failed.", "Warning"},
                                                             {"SETWHEELSCROLLLINES failed.", "Warning"},
                                                             {"SPI_SETDOUBLECLICKTIME failed.", "Warning"}}));
    EXPECT_TRUE(changes.empty());
}

} // namespace
} // namespace q417
