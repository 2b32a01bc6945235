// Writes the real main window, on the factory settings with each built skin and in each language,
// to the build folder's screenshots/<skin>/ for review by eye: the basic page alone, with a function
// list, the DPI sub-list and each lighting list open, and the advanced page alone, with a recorded
// macro and with the mouse-event list open. Checks sizes, not pixels.
#include "app/application.h"
#include "config/factory_defaults.h"
#include "pages/macro_recorder.h"
#include "program_seams.h"
#include "screenshots.h"
#include "skin/skin_drop_down.h"
#include "support/scripted_hid_system.h"
#include "support/scripted_monitor.h"
#include "support/temp_dir.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace q417 {
namespace {

// What the user has open when the picture is taken.
enum class Scene {
    Page,
    FunctionList,
    DpiSubList,
    ModeList,
    ParameterList,
    EffectList,
    Advanced,
    AdvancedRecorded,
    AdvancedMouseEvents
};
struct SceneCase {
    Scene scene;
    const char* name;
};
constexpr SceneCase kScenes[] = {
    {Scene::Page, "basic"},
    {Scene::FunctionList, "basic-function-list"},
    {Scene::DpiSubList, "basic-dpi-sub-list"},
    {Scene::ModeList, "basic-lighting-mode-list"},
    {Scene::ParameterList, "basic-lighting-parameter-list"},
    {Scene::EffectList, "basic-lighting-effect-list"},
    {Scene::Advanced, "advanced"},
    {Scene::AdvancedRecorded, "advanced-recorded-macro"},
    {Scene::AdvancedMouseEvents, "advanced-mouse-event-list"},
};

// A macro recorded from Ctrl+C and confirmed, as the user makes one.
void recordMacro(MacroEditor& editor) {
    editor.nameBox()->setText("Copy");
    editor.newMacro();
    editor.recorder().start();
    for (const auto& [type, key] : {std::pair{QEvent::KeyPress, Qt::Key_Control},
                                    {QEvent::KeyPress, Qt::Key_C},
                                    {QEvent::KeyRelease, Qt::Key_C},
                                    {QEvent::KeyRelease, Qt::Key_Control}}) {
        const QKeyEvent event(type, key, Qt::NoModifier);
        editor.recorder().record(event);
    }
    editor.recorder().stop();
    editor.confirmMacro();
    editor.eventList()->setCurrentRow(4);
}

void setUp(MainWindow& window, Scene scene) {
    BasicPage& page = *window.basicPage();
    switch (scene) {
    case Scene::Page:
        break;
    case Scene::FunctionList:
        page.toggleFunctionList(8); // row 9 opens beside the upper rows
        break;
    case Scene::DpiSubList:
        page.toggleFunctionList(2);
        page.functionList(2).list()->setCurrentRow(6);
        page.showDpiSubList(2, 6);
        break;
    case Scene::ModeList:
        page.lighting().toggle(LightingSection::Field::Mode);
        break;
    case Scene::ParameterList:
        page.lighting().list(LightingSection::Field::Mode).open();
        page.lighting().list(LightingSection::Field::Mode).choose(2); // Neon: the tallest list
        page.lighting().toggle(LightingSection::Field::Parameter);
        break;
    case Scene::EffectList:
        page.lighting().list(LightingSection::Field::Mode).open();
        page.lighting().list(LightingSection::Field::Mode).choose(1); // Respiration has two effects
        page.lighting().toggle(LightingSection::Field::Effect);
        break;
    case Scene::Advanced:
        window.dispatchClick({80, 70});
        window.lightAt({700, 630});
        break;
    case Scene::AdvancedRecorded:
        window.dispatchClick({80, 70});
        recordMacro(window.advancedPage()->macros());
        window.lightAt({560, 538}); // New
        break;
    case Scene::AdvancedMouseEvents:
        window.dispatchClick({80, 70});
        recordMacro(window.advancedPage()->macros());
        window.dispatchClick({845, 409});
        window.advancedPage()->macros().mouseEvents().list()->setCurrentRow(1);
        break;
    }
}

TEST(MainWindowScreenshots, EveryBuiltSkinAndLanguageDrawsTheWholeWindow) {
    const std::filesystem::path& skins = test::kSkinsRoot;
    ASSERT_TRUE(std::filesystem::is_directory(skins));
    for (const auto& entry : std::filesystem::directory_iterator(skins)) {
        const std::string skin = entry.path().filename().string();
        const std::filesystem::path out = test::kScreenshots / skin;
        std::filesystem::create_directories(out);
        for (const test::ShotLanguage& language : test::kShotLanguages) {
            for (const SceneCase& scene : kScenes) {
                test::TempDir dir;
                std::filesystem::create_directories(dir / "Skins");
                std::filesystem::copy(entry.path(), dir / "Skins" / skin, std::filesystem::copy_options::recursive);
                dir.write("config.bin", configFileBytes(factoryConfig(), 0)); // a first run: default labels
                dir.write("str.ini", std::string("[Skins]\nLan=") + language.strIni +
                                         "\nRColor=230\nGColor=230\nBColor=230\nPath=" + skin + "\n");

                test::ProgramSeams program;
                GuiOptions options;
                options.dataDir = dir.path();
                options.device.simulate = true;
                Application app(options, program.seams());
                ASSERT_TRUE(app.start());
                const std::string what = skin + " " + language.name + " " + scene.name;
                EXPECT_EQ(app.window().size(), QSize(890, 660)) << what;

                setUp(app.window(), scene.scene);
                EXPECT_TRUE(program.messages.messages.empty()) << what;
                const QImage shot = app.window().grab().toImage();
                EXPECT_EQ(shot.size(), QSize(890, 660)) << what;
                const std::string file = std::string("main-window-") + scene.name + "-" + language.name + ".png";
                test::saveShot(shot, out / file);
            }
        }
    }
}

TEST(MainWindowScreenshots, WithoutAMouseTheFrameIsDrawnInEveryBuiltSkinAndLanguage) {
    for (const auto& entry : std::filesystem::directory_iterator(test::kSkinsRoot)) {
        const std::string skin = entry.path().filename().string();
        for (const test::ShotLanguage& language : test::kShotLanguages) {
            test::TempDir dir;
            std::filesystem::create_directories(dir / "Skins");
            std::filesystem::copy(entry.path(), dir / "Skins" / skin, std::filesystem::copy_options::recursive);
            dir.write("config.bin", configFileBytes(factoryConfig(), 1));
            dir.write("str.ini", std::string("[Skins]\nLan=") + language.strIni +
                                     "\nRColor=230\nGColor=230\nBColor=230\nPath=" + skin + "\n");
            test::ProgramSeams program;
            test::ScriptedHidSystem noMouse;
            test::ScriptedMonitor monitor;
            Application::Seams seams = program.seams();
            seams.hidSystem = &noMouse;
            seams.monitor = &monitor;
            GuiOptions options;
            options.dataDir = dir.path();
            Application app(options, seams);
            ASSERT_TRUE(app.start());
            ASSERT_FALSE(app.device().deviceReady());
            test::saveShot(app.window(),
                           test::kScreenshots / skin / (std::string("main-window-no-mouse-") + language.name + ".png"));
        }
    }
}

} // namespace
} // namespace q417
