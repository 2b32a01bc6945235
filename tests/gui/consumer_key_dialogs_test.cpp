#include "assign/media_launch_keys.h"
#include "dialogs/consumer_key_layout.h"
#include "dialogs/media_key_dialog.h"
#include "dialogs/windows_key_dialog.h"
#include "pick_dialog_driver.h"
#include "skin/skin_drop_down.h"
#include "skin/skin_font.h"
#include "support/recording_messages.h"
#include "test_skin.h"

#include <QLabel>
#include <QScrollBar>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <utility>

namespace q417 {
namespace {

using test::clickAt;
using test::clickRow;

constexpr QPoint kNameBox{60, 136};    // on the name field: the click passes through it
constexpr QPoint kNameArrow{145, 136}; // the arrow beside the field

// What a test needs to know of one of the two pickers.
struct Picker {
    const char* name;
    std::string_view background;
    std::string_view failureCaption;
    std::size_t rowCount;
    std::string_view (*rowText)(Language, std::size_t);
    QRect listGeometry;
    std::function<std::unique_ptr<ConsumerKeyDialog>(const DialogHost&, MessageSink&)> make;
    // The row and text the dialog hands back on OK.
    std::function<std::pair<std::size_t, std::string>(const ConsumerKeyDialog&)> choice;
};

template <typename Dialog> std::pair<std::size_t, std::string> choiceOf(const ConsumerKeyDialog& dialog) {
    const auto choice = dynamic_cast<const Dialog&>(dialog).choice();
    return {choice.row, choice.text};
}

const Picker kMedia{
    "media",
    skin::kMediaKeyDialog,
    "Media Dialog Load background image failed!!!",
    kMediaRowCount,
    &mediaRowText,
    QRect(42, 146, 109, 120),
    [](const DialogHost& host, MessageSink& messages) { return std::make_unique<MediaKeyDialog>(host, messages); },
    &choiceOf<MediaKeyDialog>};

// Its list is cut at the dialog's bottom edge, 284.
const Picker kWindows{
    "windows",
    skin::kWindowsKeyDialog,
    "Windows Dialog Load background image failed!!!",
    kLaunchRowCount,
    &launchRowText,
    QRect(42, 146, 109, 138),
    [](const DialogHost& host, MessageSink& messages) { return std::make_unique<WindowsKeyDialog>(host, messages); },
    &choiceOf<WindowsKeyDialog>};

QString rowText(const Picker& picker, Language language, std::size_t row) {
    const std::string_view text = picker.rowText(language, row);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The name field shows the whole name, or its beginning when even the smallest readable font is
// too wide for the field.
void expectShows(const QLabel& field, const QString& name) {
    const QString shown = field.text();
    const bool elided = shown.size() > 3 && shown.endsWith(QChar(0x2026)) && name.startsWith(shown.chopped(1));
    EXPECT_TRUE(shown == name || elided) << shown.toStdString() << " for " << name.toStdString();
}

class ConsumerKeyDialogsTest : public ::testing::TestWithParam<const Picker*> {
protected:
    const Picker& picker() const { return *GetParam(); }
    std::unique_ptr<ConsumerKeyDialog> open(Language language = Language::English) {
        const DialogHost host{DialogSkin{skin.folder(), {230, 230, 230}, skinFont(textFont(language))}, language,
                              QPoint(0, 0)};
        auto dialog = picker().make(host, messages);
        test::activate(*dialog);
        return dialog;
    }
    std::pair<std::size_t, std::string> choice(const ConsumerKeyDialog& dialog) const {
        return picker().choice(dialog);
    }

    test::TestSkin skin;
    test::RecordingMessages messages;
};

TEST_P(ConsumerKeyDialogsTest, StartsOnRowZeroAndEndsAsItsButtonsAndKeysSay) {
    struct Case {
        const char* what;
        std::function<void(QWidget&)> end;
        QDialog::DialogCode result;
    };
    const Case cases[] = {
        {"OK", [](QWidget& d) { clickAt(d, test::kDialogOk); }, QDialog::Accepted},
        {"Cancel", [](QWidget& d) { clickAt(d, test::kDialogCancel); }, QDialog::Rejected},
        {"close", [](QWidget& d) { clickAt(d, test::kDialogClose); }, QDialog::Rejected},
        {"Enter", [](QWidget& d) { test::press(d, Qt::Key_Return); }, QDialog::Accepted},
        {"Esc", [](QWidget& d) { test::press(d, Qt::Key_Escape); }, QDialog::Rejected},
    };
    const std::pair<std::size_t, std::string> start{0, rowText(picker(), Language::English, 0).toStdString()};
    for (const Case& c : cases) {
        const auto dialog = open();
        EXPECT_EQ(choice(*dialog), start);
        EXPECT_EQ(dialog->rowName().toStdString(), start.second);
        expectShows(*dialog->nameField(), dialog->rowName());
        EXPECT_FALSE(dialog->rowList().isOpen());
        c.end(*dialog);
        EXPECT_FALSE(dialog->isVisible()) << c.what;
        EXPECT_EQ(dialog->result(), c.result) << c.what;
        EXPECT_EQ(choice(*dialog), start) << c.what;
    }
    EXPECT_TRUE(messages.messages.empty());
}

TEST_P(ConsumerKeyDialogsTest, TheListShowsTheRowsOfTheLanguage) {
    for (const Language language : kLanguages) {
        const auto dialog = open(language);
        QStringList expected;
        for (std::size_t row = 0; row < picker().rowCount; ++row) {
            expected << rowText(picker(), language, row);
        }
        EXPECT_EQ(dialog->rowName(), expected.front());
        expectShows(*dialog->nameField(), expected.front());
        clickAt(*dialog, kNameBox);
        ASSERT_TRUE(dialog->rowList().isOpen());
        EXPECT_EQ(test::rowsOf(*dialog->rowList().list()), expected);
        EXPECT_EQ(dialog->rowList().list()->geometry(), picker().listGeometry);
    }
}

TEST_P(ConsumerKeyDialogsTest, EveryRowCanBeChosenByClickingIt) {
    for (std::size_t row = 0; row < picker().rowCount; ++row) {
        const auto dialog = open();
        clickAt(*dialog, kNameArrow);
        ASSERT_TRUE(dialog->rowList().isOpen());
        clickRow(*dialog, *dialog->rowList().list(), static_cast<int>(row));
        EXPECT_FALSE(dialog->rowList().isOpen()) << row;
        const QString text = rowText(picker(), Language::English, row);
        EXPECT_EQ(dialog->rowName(), text);
        expectShows(*dialog->nameField(), text);
        clickAt(*dialog, test::kDialogOk);
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
        EXPECT_EQ(choice(*dialog), std::make_pair(row, text.toStdString()));
    }
}

TEST_P(ConsumerKeyDialogsTest, ClicksOutsideTheListCloseItWithoutChoosing) {
    for (const QPoint point : {kNameBox, kNameArrow, test::kDialogElsewhere}) {
        const auto dialog = open();
        clickAt(*dialog, kNameBox);
        ASSERT_TRUE(dialog->rowList().isOpen());
        clickAt(*dialog, point);
        EXPECT_FALSE(dialog->rowList().isOpen()) << point.x();
        EXPECT_EQ(choice(*dialog).first, 0U);
    }
}

TEST_P(ConsumerKeyDialogsTest, NeitherThePointerNorTheDialogsWheelMovesTheList) {
    const auto dialog = open();
    clickAt(*dialog, kNameBox);
    QListWidget& list = *dialog->rowList().list();
    test::moveTo(*dialog, test::rowPoint(*dialog, list, 2));
    EXPECT_EQ(list.currentRow(), -1) << "no hot tracking";
    list.scrollToTop();
    test::wheel(*dialog, test::kDialogElsewhere, -120);
    EXPECT_EQ(list.verticalScrollBar()->value(), 0);
}

TEST_P(ConsumerKeyDialogsTest, WithoutItsBackgroundItHasNoControlsAndOkGivesRowZeroUnnamed) {
    skin.remove(picker().background);
    const auto dialog = open();
    EXPECT_EQ(messages.messages.front(),
              (test::RecordingMessages::Message{"error", std::string(picker().failureCaption)}));
    EXPECT_EQ(dialog->nameField(), nullptr);
    EXPECT_TRUE(dialog->findChildren<QWidget*>().isEmpty());
    clickAt(*dialog, kNameBox);
    EXPECT_FALSE(dialog->rowList().isOpen());
    clickAt(*dialog, test::kDialogOk);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(choice(*dialog), std::make_pair(std::size_t{0}, std::string()));
}

INSTANTIATE_TEST_SUITE_P(Pickers, ConsumerKeyDialogsTest, ::testing::Values(&kMedia, &kWindows),
                         [](const auto& picked) { return std::string(picked.param->name); });

class ConsumerKeyRowsTest : public ::testing::Test {
protected:
    template <typename Dialog> std::unique_ptr<Dialog> open(Language language = Language::English) {
        const DialogHost host{DialogSkin{skin.folder(), {230, 230, 230}, skinFont(textFont(language))}, language,
                              QPoint(0, 0)};
        auto dialog = std::make_unique<Dialog>(host, messages);
        test::activate(*dialog);
        return dialog;
    }
    template <typename Dialog> static void choose(Dialog& dialog, int row) {
        clickAt(dialog, kNameBox);
        clickRow(dialog, *dialog.rowList().list(), row);
        clickAt(dialog, test::kDialogOk);
    }

    test::TestSkin skin;
    test::RecordingMessages messages;
};

TEST_F(ConsumerKeyRowsTest, VolumeDownIsMediaRowSix) {
    const auto dialog = open<MediaKeyDialog>();
    choose(*dialog, 6);
    EXPECT_EQ(dialog->choice().row, 6U);
    EXPECT_EQ(dialog->choice().text, "Vol-");
    EXPECT_EQ(mediaUsage(dialog->choice().row), 0xEA);
}

TEST_F(ConsumerKeyRowsTest, BrowserFavouritesIsWindowsRowTen) {
    const auto dialog = open<WindowsKeyDialog>();
    choose(*dialog, 10);
    EXPECT_EQ(dialog->choice().row, 10U);
    EXPECT_EQ(dialog->choice().text, "Browser-My Favorites");
    EXPECT_EQ(launchUsage(dialog->choice().row), 0x022A);
}

TEST_F(ConsumerKeyRowsTest, SpanishWindowsRowsFourToTenReadInEnglish) {
    const auto dialog = open<WindowsKeyDialog>(Language::Span);
    clickAt(*dialog, kNameBox);
    const QStringList rows = test::rowsOf(*dialog->rowList().list());
    EXPECT_EQ(rows, (QStringList{"Reproductor Multimedia", "Mail", "Calculadora", "Mi PC", "Browser-Search",
                                 "Browser-Home", "Browser-Back", "Browser-Forward", "Browser-Stop", "Browser-Refresh",
                                 "Browser-My Favorites"}));
}

} // namespace
} // namespace q417
