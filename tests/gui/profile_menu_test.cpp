#include "app/application.h"
#include "config/factory_defaults.h"
#include "platform/ini_file.h"
#include "profile/profile_json.h"
#include "profile/profile_store.h"
#include "program_seams.h"
#include "screenshots.h"
#include "support/temp_dir.h"
#include "texts/button_labels.h"
#include "window_points.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QListWidget>
#include <cstring>
#include <gtest/gtest.h>

namespace q417 {
namespace {

// The setup a friend handed over: another report rate and DPI level, a macro of its own and its
// own labels in two languages.
ProfileData friendsSetup() {
    ProfileData p;
    p.config = factoryConfig();
    p.config.reportRate = 4;
    p.config.dpiLevel[1] = 7;
    p.macros = {{"Burst", 3, {"A   Dn", "20 ms", "A   Up"}}};
    p.labels[static_cast<std::size_t>(Language::English)][0][0] = "Fire!";
    p.labels[static_cast<std::size_t>(Language::Span)][0][0] = "Fuego";
    // As the reader gives it back: the macro compiled into its slot.
    return readProfileJson(writeProfileJson(p)).profile;
}

QStringList itemTexts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions()) {
        texts << (action->isSeparator() ? QString("-") : action->text() + (action->isEnabled() ? "" : " (off)"));
    }
    return texts;
}

QAction* itemNamed(QMenu& menu, const QString& text) {
    for (QAction* action : menu.actions()) {
        if (action->text() == text) {
            return action;
        }
    }
    ADD_FAILURE() << "no menu item " << text.toStdString();
    return nullptr;
}

// The tray program on the simulated mouse, with the menu's dialogs scripted.
class ProfileMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir.write("config.bin", configFileBytes(factoryConfig(), 1));
        dir.write("str.ini", factoryUiSettingsText());
        test::copyBuiltSkins(dir.path());
        dir.write("record.ini", "[Mine]\r\nItemCount=2\r\nItem0=B   Dn\r\nItem1=B   Up\r\n");
    }
    void start() {
        GuiOptions options;
        options.dataDir = dir.path();
        options.device.simulate = true;
        app = std::make_unique<Application>(options, program.seams());
        ASSERT_TRUE(app->start());
    }
    ProfileMenu& menu() { return app->profileMenu(); }
    void store(const std::string& name, const ProfileData& profile) {
        ASSERT_TRUE(storeProfile(app->model().paths(), name, writeProfileJson(profile)).ok());
    }
    [[nodiscard]] ProfileData stored(const std::string& name) const {
        std::string json;
        EXPECT_TRUE(readStoredProfile(app->model().paths(), name, json).ok());
        return readProfileJson(json).profile;
    }
    [[nodiscard]] std::size_t framesSent() { return app->device().simulatedMouse()->log().frames.size(); }
    [[nodiscard]] std::vector<std::string> said() const {
        std::vector<std::string> texts;
        for (const auto& m : program.messages.messages) {
            texts.push_back(m.text);
        }
        return texts;
    }
    [[nodiscard]] std::vector<std::string> filesNow() const {
        return {dir.read("config.bin"), dir.read("record.ini"), dir.read("str.ini")};
    }

    test::TempDir dir;
    test::ProgramSeams program;
    test::ScriptedDialogs& dialogs = program.dialogs;
    std::unique_ptr<Application> app;
};

TEST_F(ProfileMenuTest, TheTrayMenuHasProfilesAboveExitInTheUsersLanguage) {
    struct Case {
        const char* code = nullptr;
        QStringList tray;
        QStringList profiles;
    };
    const Case cases[] = {
        {"EN",
         {"Profiles", "-", "Exit"},
         {"Save as…", "-", "(no saved profiles) (off)", "-", "Import…", "Export…", "-", "Delete (off)"}},
        {"CHS",
         {"配置文件", "-", "退出"},
         {"另存为…", "-", "（没有已保存的配置） (off)", "-", "导入…", "导出…", "-", "删除 (off)"}},
        {"CHT",
         {"設定檔", "-", "退出"},
         {"另存新檔…", "-", "（沒有已儲存的設定檔） (off)", "-", "匯入…", "匯出…", "-", "刪除 (off)"}},
        {"SPAN",
         {"Perfiles", "-", "Salir"},
         {"Guardar como…", "-", "(ningún perfil guardado) (off)", "-", "Importar…", "Exportar…", "-",
          "Eliminar (off)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        dir.write("str.ini", "[Skins]\nLan=" + std::string(c.code) + "\nRColor=230\nGColor=230\nBColor=230\n");
        start();
        EXPECT_EQ(itemTexts(app->tray().menu()), c.tray);
        EXPECT_EQ(itemTexts(menu().menu()), c.profiles);
        // For review: the desktop's own menus, in the language's font.
        menu().menu().adjustSize();
        test::saveShot(menu().menu(), test::kScreenshots / "tray" / ("profiles-" + std::string(c.code) + ".png"));
        app.reset();
    }
}

TEST_F(ProfileMenuTest, SavedProfilesAreListedSortedAsTypedEachTimeTheMenuOpens) {
    start();
    store("Work & play", friendsSetup());
    ProfileData other = friendsSetup();
    other.config.reportRate = 2;
    store("Arena", other);
    emit app->tray().menu().aboutToShow();
    EXPECT_EQ(itemTexts(menu().menu()),
              (QStringList{"Save as…", "-", "Arena", "Work && play", "-", "Import…", "Export…", "-", "Delete"}))
        << "\"&\" is doubled, or the menu would take it for a shortcut mark";
    QAction* item = itemNamed(menu().menu(), "Work && play");
    ASSERT_NE(item, nullptr);
    item->trigger();
    EXPECT_EQ(app->model().config().reportRate, 4) << "a saved profile's item loads it";
}

TEST_F(ProfileMenuTest, SaveAsKeepsWhatTheWindowShowsUnderTheTypedName) {
    start();
    app->model().config().reportRate = 8; // edited, not applied
    app->model().labels()[1][2] = "Reload";
    dialogs.profileNames = {"Game one"};
    menu().saveAs();
    const ProfileData saved = stored("Game one");
    EXPECT_EQ(saved.config.reportRate, 8);
    EXPECT_EQ(saved.labels[static_cast<std::size_t>(Language::English)][1][2], "Reload");
    ASSERT_EQ(saved.macros.size(), 1U);
    EXPECT_EQ(saved.macros[0].name, "Mine");
    EXPECT_EQ(saved.macros[0].lines, (std::vector<std::string>{"B   Dn", "B   Up"}));
    EXPECT_TRUE(said().empty()) << (said().empty() ? "" : said()[0]);
}

TEST_F(ProfileMenuTest, SavingOverAProfileAsksFirst) {
    start();
    store("Game one", friendsSetup());
    const std::string before = dir.read("profiles/Game one.json");
    app->model().config().reportRate = 8;

    dialogs.profileNames = {"Game one"};
    dialogs.answers = {false};
    menu().saveAs();
    EXPECT_EQ(dialogs.questions, (std::vector<std::string>{"A profile named \"Game one\" exists. Replace it?"}));
    EXPECT_EQ(dir.read("profiles/Game one.json"), before) << "No keeps the old one";

    dialogs.profileNames = {"Game one"};
    dialogs.answers = {true};
    menu().saveAs();
    EXPECT_EQ(stored("Game one").config.reportRate, 8);
}

TEST_F(ProfileMenuTest, DeleteAsksFirstAndRemovesOnlyThatProfile) {
    start();
    store("Arena", friendsSetup());
    store("Work & play", friendsSetup());
    app->model().config().reportRate = 8; // edited, not applied
    const std::vector<std::string> files = filesNow();
    emit app->tray().menu().aboutToShow();
    QMenu* deleteMenu = itemNamed(menu().menu(), "Delete")->menu();
    ASSERT_NE(deleteMenu, nullptr);
    EXPECT_EQ(itemTexts(*deleteMenu), (QStringList{"Arena", "Work && play"}));

    dialogs.answers = {false};
    itemNamed(*deleteMenu, "Work && play")->trigger();
    EXPECT_EQ(dialogs.questions, (std::vector<std::string>{"Delete the profile \"Work & play\"?"}));
    EXPECT_EQ(listProfiles(app->model().paths()), (std::vector<std::string>{"Arena", "Work & play"})) << "No keeps it";

    dialogs.answers = {true};
    itemNamed(*deleteMenu, "Work && play")->trigger();
    EXPECT_EQ(listProfiles(app->model().paths()), (std::vector<std::string>{"Arena"}));
    EXPECT_TRUE(said().empty());
    EXPECT_EQ(app->model().config().reportRate, 8) << "the window keeps what it shows";
    EXPECT_EQ(filesNow(), files) << "and the data files are untouched";

    emit app->tray().menu().aboutToShow();
    EXPECT_EQ(itemTexts(*deleteMenu), (QStringList{"Arena"}));

    // Gone behind the menu's back, as another program can do: said, not a crash.
    std::filesystem::remove(dir / "profiles/Arena.json");
    dialogs.answers = {true};
    itemNamed(*deleteMenu, "Arena")->trigger();
    EXPECT_EQ(said(), (std::vector<std::string>{"The profile could not be deleted: no profile named 'Arena'"}));
}

TEST_F(ProfileMenuTest, ABadNameOrACancelledDialogSavesNothing) {
    struct Case {
        const char* name;
        std::optional<std::string> typed;
        std::vector<std::string> said;
    };
    const Case cases[] = {
        {"cancelled", std::nullopt, {}},
        {"empty", "", {"The profile could not be saved: a profile name has 1 to 100 bytes"}},
        {"line break", "two\nlines", {"The profile could not be saved: a profile name cannot hold control characters"}},
    };
    start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        program.messages.messages.clear();
        dialogs.profileNames = {c.typed};
        menu().saveAs();
        EXPECT_EQ(said(), c.said);
        EXPECT_TRUE(listProfiles(app->model().paths()).empty());
    }
}

TEST_F(ProfileMenuTest, LoadingShowsTheProfileAsAnEditAndCancelReturnsToTheLastApplied) {
    start();
    const ProfileData setup = friendsSetup();
    store("Friend", setup);
    const MouseConfig appliedConfig = app->model().config();
    const KeyLabels appliedLabels = app->model().labels();
    const std::vector<std::string> files = filesNow();
    const std::size_t frames = framesSent();

    menu().load("Friend");
    EXPECT_TRUE(app->window().isVisible());
    EXPECT_EQ(0, std::memcmp(&app->model().config(), &setup.config, sizeof(MouseConfig)));
    EXPECT_EQ(app->model().labels()[0][0], "Fire!");
    EXPECT_EQ(framesSent(), frames) << "nothing reaches the mouse before OK or Apply";
    EXPECT_EQ(dir.read("config.bin"), files[0]);
    EXPECT_EQ(dir.read("str.ini"), files[2]);
    EXPECT_NE(dir.read("record.ini").find("[Burst]"), std::string::npos) << "the macro page reads record.ini";
    // A second profile on top of the first: Cancel still goes back past both.
    ProfileData second = setup;
    second.macros[0].name = "Second";
    store("Second", second);
    menu().load("Second");
    EXPECT_NE(dir.read("record.ini").find("[Second]"), std::string::npos);

    app->window().dispatchClick(test::kWindowCancel);
    emit app->tray().leftClicked();
    EXPECT_EQ(0, std::memcmp(&app->model().config(), &appliedConfig, sizeof(MouseConfig)));
    EXPECT_EQ(app->model().labels(), appliedLabels);
    EXPECT_EQ(filesNow(), files) << "record.ini is put back byte for byte";
}

TEST_F(ProfileMenuTest, OkAfterLoadingWritesTheMouseAndEveryFile) {
    start();
    const ProfileData setup = friendsSetup();
    store("Friend", setup);
    menu().load("Friend");
    app->model().labels()[0][1] = "Edited after loading";
    app->window().dispatchClick(test::kWindowOk);

    EXPECT_EQ(app->device().simulatedMouse()->memory().reportRate, 4);
    EXPECT_EQ(dir.read("config.bin"), configFileBytes(setup.config, 1));
    const IniFile ui(dir / "str.ini");
    KeyLabels english = setup.labels[static_cast<std::size_t>(Language::English)];
    english[0][1] = "Edited after loading";
    EXPECT_EQ(readButtonLabels(ui, Language::English), english);
    EXPECT_EQ(readButtonLabels(ui, Language::Span)[0][0], "Fuego") << "the other languages' labels too";
    EXPECT_EQ(dir.read("record.ini").find("[Mine]"), std::string::npos);

    // Applied: a later Cancel has nothing of the old setup to go back to.
    app->window().dispatchClick(test::kWindowCancel);
    EXPECT_NE(dir.read("record.ini").find("[Burst]"), std::string::npos);
}

TEST_F(ProfileMenuTest, ARefusedProfileSaysWhereAndChangesNothing) {
    start();
    const std::string good = writeProfileJson(friendsSetup());
    std::string badKey = good;
    badKey.replace(badKey.find("\"A   Dn\""), 8, "\"Foo   Dn\"");
    std::string newer = good;
    newer.replace(newer.find("\"version\": 1"), 12, "\"version\": 9");
    struct Case {
        const char* name;
        std::optional<std::string> content; // nothing: no such file
        std::string said;                   // after "The profile could not be loaded: "
    };
    const Case cases[] = {
        {"unknown key", badKey, "macros[0].lines[0]: unknown key name 'Foo'"},
        {"newer version", newer, "version"},
        {"truncated", good.substr(0, good.size() / 2), "not valid JSON"},
        {"missing", std::nullopt, "gone.json"},
    };
    const std::vector<std::string> files = filesNow();
    const MouseConfig shown = app->model().config();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        program.messages.messages.clear();
        const std::filesystem::path file = dir / (c.content ? "friend.json" : "gone.json");
        if (c.content) {
            dir.write("friend.json", *c.content);
        }
        dialogs.profileFiles = {file};
        menu().importFile();
        ASSERT_EQ(said().size(), 1U);
        EXPECT_EQ(said()[0].rfind("The profile could not be loaded: ", 0), 0U);
        EXPECT_NE(said()[0].find(c.said), std::string::npos) << said()[0];
        EXPECT_EQ(filesNow(), files);
        EXPECT_EQ(0, std::memcmp(&app->model().config(), &shown, sizeof(MouseConfig)));
        EXPECT_FALSE(app->window().isVisible());
    }
    EXPECT_EQ(dialogs.profileFilesOpened.front(), DialogRunner::ProfileFileUse::Import);
}

TEST_F(ProfileMenuTest, ImportingAFileLoadsItAsAnEdit) {
    start();
    dir.write("friend.json", writeProfileJson(friendsSetup()));
    dialogs.profileFiles = {dir / "friend.json"};
    menu().importFile();
    EXPECT_EQ(app->model().config().reportRate, 4);
    EXPECT_TRUE(app->window().isVisible());
}

TEST_F(ProfileMenuTest, ExportWritesWhatTheWindowShowsOrSaysWhyNot) {
    start();
    app->model().config().dpiLevel[0] = 5;
    dialogs.profileFiles = {dir / "out.json", dir / "no-such-folder" / "out.json", std::nullopt};
    menu().exportFile();
    const ProfileParse exported = readProfileJson(dir.read("out.json"));
    ASSERT_TRUE(exported.status.ok());
    EXPECT_EQ(exported.profile.config.dpiLevel[0], 5);

    menu().exportFile();
    ASSERT_EQ(said().size(), 1U);
    EXPECT_EQ(said()[0].rfind("The profile could not be saved: ", 0), 0U);

    menu().exportFile(); // cancelled: nothing more said
    EXPECT_EQ(said().size(), 1U);
    EXPECT_EQ(dialogs.profileFilesOpened,
              std::vector<DialogRunner::ProfileFileUse>(3, DialogRunner::ProfileFileUse::Export));
}

TEST_F(ProfileMenuTest, ARightClickOnTheWindowOpensTheProfilesForDesktopsWithoutATray) {
    start();
    emit app->tray().leftClicked();
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(150, 300), app->window().mapToGlobal(QPoint(150, 300)));
    QApplication::sendEvent(&app->window(), &click);
    EXPECT_TRUE(menu().menu().isVisible());
    menu().menu().hide();
}

TEST_F(ProfileMenuTest, TheMenuIsShutWhileADialogOfTheWindowIsOpen) {
    start();
    QDialog dialog;
    dialog.setModal(true);
    dialog.show();
    emit app->tray().menu().aboutToShow();
    EXPECT_FALSE(menu().menu().menuAction()->isEnabled()) << "a page rebuilt under the dialog would take its answer";
    dialog.hide();
    emit app->tray().menu().aboutToShow();
    EXPECT_TRUE(menu().menu().menuAction()->isEnabled());
}

} // namespace
} // namespace q417

namespace q417 {
namespace {

QStringList macroNamesShown(Application& app) {
    QStringList names;
    const QListWidget* list = app.window().advancedPage()->macros().macroList();
    for (int row = 0; list != nullptr && row < list->count(); ++row) {
        names << list->item(row)->text();
    }
    return names;
}

TEST_F(ProfileMenuTest, TheMacroPageShownWhileLoadingListsTheProfilesMacrosAndCancelBringsTheOldOnesBack) {
    start();
    store("Friend", friendsSetup());
    emit app->tray().leftClicked();
    app->window().showAdvancedPage();
    EXPECT_EQ(macroNamesShown(*app), QStringList{"Mine"});
    menu().load("Friend");
    EXPECT_EQ(macroNamesShown(*app), QStringList{"Burst"});
    app->window().dispatchClick(test::kWindowCancel);
    emit app->tray().leftClicked();
    EXPECT_EQ(macroNamesShown(*app), QStringList{"Mine"});
}

} // namespace
} // namespace q417
