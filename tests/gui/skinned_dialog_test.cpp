#include "dialogs/skinned_dialog.h"
#include "pick_dialog_driver.h"
#include "skin/skin_font.h"
#include "support/recording_messages.h"
#include "test_skin.h"

#include <QMetaObject>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace q417 {
namespace {

constexpr QPoint kOffTheButtons{100, 200};

void moveTo(QWidget& widget, QPoint point) {
    QMouseEvent move(QEvent::MouseMove, QPointF(point), widget.mapToGlobal(QPointF(point)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &move);
}

// Delivers the hover the timer would, without waiting for it.
void fire(QTimer& timer) {
    timer.stop();
    QMetaObject::invokeMethod(&timer, "timeout");
}

class SkinnedDialogTest : public ::testing::Test {
protected:
    std::unique_ptr<SkinnedDialog> open(SkinnedDialogKind kind = SkinnedDialogKind::MediaKey) {
        auto dialog = std::make_unique<SkinnedDialog>(
            DialogSkin{skin.folder(), {230, 230, 230}, skinFont(textFont(Language::English))}, kind,
            SkinnedDialog::Captions{"OK", "Cancel"}, messages, QPoint(40, 30));
        dialog->show();
        return dialog;
    }
    test::TestSkin skin;
    test::RecordingMessages messages;
};

TEST_F(SkinnedDialogTest, OpensFramelessAtTheGivenOriginWithTheBackgroundsSize) {
    const auto dialog = open();
    EXPECT_TRUE(dialog->backgroundLoaded());
    EXPECT_EQ(dialog->pos(), QPoint(40, 30));
    EXPECT_EQ(dialog->size(), test::TestSkin::kDialogSize);
    EXPECT_TRUE(dialog->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(dialog->isModal());
    EXPECT_EQ(dialog->picture().size(), test::TestSkin::kDialogSize);
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(SkinnedDialogTest, ClicksEndWithOkOrCancel) {
    struct Case {
        QPoint point;
        bool ends = false;
        QDialog::DialogCode result = QDialog::Rejected;
    };
    const Case cases[] = {
        {test::kDialogOk, true, QDialog::Accepted},
        {{270, 253}, true, QDialog::Accepted}, // the column OK and Cancel share
        {test::kDialogCancel, true, QDialog::Rejected},
        {test::kDialogClose, true, QDialog::Rejected},
        {kOffTheButtons, false, QDialog::Rejected},
    };
    for (const Case& c : cases) {
        const auto dialog = open();
        QTest::mouseClick(dialog.get(), Qt::LeftButton, {}, c.point);
        EXPECT_EQ(!dialog->isVisible(), c.ends) << c.point.x() << ',' << c.point.y();
        EXPECT_EQ(dialog->result(), c.result) << c.point.x() << ',' << c.point.y();
    }
    QTest::mouseClick(open().get(), Qt::RightButton, {}, test::kDialogOk); // only the left button counts
}

TEST_F(SkinnedDialogTest, ButtonsLightAfterTheRestAndHandOverFromOkToCancel) {
    const auto dialog = open();
    QTimer& rest = dialog->hoverTimer();
    EXPECT_EQ(rest.interval(), SkinnedDialog::kHoverDelayMs);
    EXPECT_TRUE(rest.isSingleShot());

    moveTo(*dialog, test::kDialogOk);
    ASSERT_TRUE(rest.isActive());
    EXPECT_FALSE(dialog->isLit(DialogButton::Ok)); // not before the rest
    fire(rest);
    EXPECT_TRUE(dialog->isLit(DialogButton::Ok));

    moveTo(*dialog, test::kDialogCancel);
    EXPECT_TRUE(dialog->isLit(DialogButton::Ok)); // still lit until Cancel's hover comes
    ASSERT_TRUE(rest.isActive());
    fire(rest);
    EXPECT_FALSE(dialog->isLit(DialogButton::Ok));
    EXPECT_TRUE(dialog->isLit(DialogButton::Cancel));

    moveTo(*dialog, kOffTheButtons);
    EXPECT_FALSE(rest.isActive());
    EXPECT_FALSE(dialog->isLit(DialogButton::Cancel));
}

TEST_F(SkinnedDialogTest, CloseStaysLitWhileThePointerLeavesTheWindow) {
    const auto dialog = open();
    moveTo(*dialog, test::kDialogClose);
    fire(dialog->hoverTimer());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(dialog.get(), &leave);
    EXPECT_TRUE(dialog->isLit(DialogButton::Close));
    moveTo(*dialog, test::kDialogOk);
    fire(dialog->hoverTimer());
    EXPECT_TRUE(dialog->isLit(DialogButton::Close)); // lighting OK does not reset close
    moveTo(*dialog, kOffTheButtons);
    EXPECT_FALSE(dialog->isLit(DialogButton::Close));
}

TEST_F(SkinnedDialogTest, AMoveAwayBeforeTheRestLightsNothing) {
    const auto dialog = open();
    moveTo(*dialog, test::kDialogOk);
    moveTo(*dialog, kOffTheButtons);
    EXPECT_FALSE(dialog->hoverTimer().isActive());
    EXPECT_FALSE(dialog->isLit(DialogButton::Ok));
}

TEST_F(SkinnedDialogTest, AMissingBackgroundIsReportedWithTheDialogsCaptionAndTheButtonsStillWork) {
    for (const DialogBackground& background : kDialogBackgrounds) {
        skin.remove(background.image);
        messages.messages.clear();
        const auto dialog = open(background.kind);
        ASSERT_FALSE(messages.messages.empty());
        EXPECT_EQ(messages.messages.front(),
                  (test::RecordingMessages::Message{"error", std::string(background.failureCaption)}));
        EXPECT_FALSE(dialog->backgroundLoaded());
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(dialog->size(), SkinnedDialog::kFallbackSize);
        QTest::mouseClick(dialog.get(), Qt::LeftButton, {}, test::kDialogOk);
        EXPECT_EQ(dialog->result(), QDialog::Accepted) << background.image;
    }
}

TEST_F(SkinnedDialogTest, EveryButtonImageThatCannotBeDrawnIsReported) {
    skin.remove(skin::kButtonNormal);
    const auto dialog = open();
    const std::vector<test::RecordingMessages::Message> twice(2, {"LoadPng---Load image failed.", ""});
    EXPECT_EQ(messages.messages, twice); // OK and Cancel; the close button drew
}

// Counts the presses that reach it, as the tray's menu would take its Exit click.
class PressCounter : public QWidget {
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
};

TEST_F(SkinnedDialogTest, WhileOpenOnlyItsOwnWindowIsBlockedSoTheTrayStaysReachable) {
    QWidget window;
    window.resize(400, 300);
    window.show();
    PressCounter tray;
    tray.resize(50, 50);
    tray.show();
    SkinnedDialog dialog(DialogSkin{skin.folder(), {230, 230, 230}, skinFont(textFont(Language::English))},
                         SkinnedDialogKind::MediaKey, SkinnedDialog::Captions{"OK", "Cancel"}, messages, QPoint(0, 0),
                         &window);
    EXPECT_EQ(dialog.windowModality(), Qt::WindowModal);
    QTimer::singleShot(0, [&] {
        QTest::mouseClick(tray.windowHandle(), Qt::LeftButton, {}, QPoint(10, 10));
        dialog.reject();
    });
    dialog.exec();
    EXPECT_EQ(tray.presses, 1) << "another window of the program still takes clicks";
}

} // namespace
} // namespace q417
