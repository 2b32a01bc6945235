// Writes the real main window, on the factory settings with each built skin, to the build folder's
// screenshots/<skin>/main-window-*.png for review by eye. Checks sizes, not pixels.
#include "app/application.h"
#include "config/factory_defaults.h"
#include "support/recording_messages.h"
#include "support/recording_sleeper.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace q417 {
namespace {

class IgnoreBalloons : public TrayNotifier {
public:
    void showBalloon(const std::string&, const std::string&, bool, int) override {}
};

TEST(MainWindowScreenshots, EveryBuiltSkinDrawsTheWholeFrame) {
    const std::filesystem::path skins = Q417_SKINS_DIR;
    ASSERT_TRUE(std::filesystem::is_directory(skins));
    for (const auto& entry : std::filesystem::directory_iterator(skins)) {
        const std::string skin = entry.path().filename().string();
        test::TempDir dir;
        std::filesystem::create_directories(dir / "Skins");
        std::filesystem::copy(entry.path(), dir / "Skins" / skin, std::filesystem::copy_options::recursive);
        dir.write("config.bin", configFileBytes(factoryConfig(), 1));
        dir.write("str.ini", "[Skins]\nLan=EN\nRColor=230\nGColor=230\nBColor=230\nPath=" + skin + "\n");

        test::RecordingMessages messages;
        IgnoreBalloons balloons;
        test::RecordingSleeper sleeper;
        Application::Seams seams;
        seams.messages = &messages;
        seams.balloons = &balloons;
        seams.sleeper = &sleeper;
        seams.trayAvailable = true;
        GuiOptions options;
        options.dataDir = dir.path();
        options.device.simulate = true;
        Application app(options, seams);
        ASSERT_TRUE(app.start());
        EXPECT_EQ(app.window().size(), QSize(890, 660)) << skin;
        EXPECT_TRUE(messages.messages.empty()) << skin;

        const std::filesystem::path out = std::filesystem::path(Q417_SCREENSHOT_DIR) / skin;
        std::filesystem::create_directories(out);
        EXPECT_TRUE(app.window().canvas().save(QString::fromStdString((out / "main-window-basic.png").string())));
        app.window().dispatchClick({80, 70});
        app.window().lightAt({700, 630});
        EXPECT_TRUE(app.window().canvas().save(QString::fromStdString((out / "main-window-advanced.png").string())));
    }
}

} // namespace
} // namespace q417
