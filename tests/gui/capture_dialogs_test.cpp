#include "assign/key_names.h"
#include "dialogs/combo_key_dialog.h"
#include "dialogs/key_capture.h"
#include "dialogs/single_key_dialog.h"
#include "pick_dialog_driver.h"
#include "platform/evdev_key_names.h"
#include "skin/skin_drop_down.h"
#include "skin/skin_font.h"
#include "support/recording_messages.h"
#include "test_skin.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QWindow>
#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace q417 {
namespace {

using test::click;

constexpr QPoint kModifierBox{124, 77}; // on the arrow beside the modifier
constexpr QPoint kElsewhere{300, 150};
constexpr QPoint kSecondField{90, 177};

// A key as X11 and Wayland deliver it: the evdev code plus 8 as native scan code, and the keysym.
struct Key {
    int qtKey;
    std::uint32_t evdev; // 0: none, as synthetic events and the offscreen platform give
    quint32 keysym;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    const char* text = "";
};

constexpr Key kEnter{Qt::Key_Return, 28, 0xff0d, {}, "\r"};
constexpr Key kEsc{Qt::Key_Escape, 1, 0xff1b, {}, "\x1b"};
constexpr Key kTab{Qt::Key_Tab, 15, 0xff09, {}, "\t"};
constexpr Key kRightArrow{Qt::Key_Right, 106, 0xff53};
constexpr Key kRightCtrl{Qt::Key_Control, 97, 0xffe4, Qt::ControlModifier};
constexpr Key kRightSuper{Qt::Key_Super_R, 126, 0xffec, Qt::MetaModifier};
constexpr Key kA{Qt::Key_A, 30, 0x61, {}, "a"};
constexpr Key kB{Qt::Key_B, 48, 0x62, {}, "b"};
constexpr Key kC{Qt::Key_C, 46, 0x63, {}, "c"};

void send(QObject* target, QEvent::Type type, const Key& key, bool autoRepeat = false) {
    const quint32 native = key.evdev == 0 ? 0 : key.evdev + EvdevKeyNames::kNativeOffset;
    QKeyEvent event(type, key.qtKey, key.modifiers, native, key.keysym, 0, QString::fromLatin1(key.text), autoRepeat);
    QCoreApplication::sendEvent(target, &event);
}

void press(QObject* target, const Key& key, bool autoRepeat = false) {
    send(target, QEvent::KeyPress, key, autoRepeat);
}

void release(QObject* target, const Key& key) {
    send(target, QEvent::KeyRelease, key);
}

void tap(QObject* target, const Key& key) {
    press(target, key);
    release(target, key);
}

using ComboNames = std::array<std::string, 3>;

ComboNames namesOf(const ComboKeyChoice& choice) {
    return {choice.modifierName, choice.key1Name, choice.key2Name};
}

// Counts the key events that get past the capture to the widgets it watches.
class KeySpy : public QObject {
public:
    void watch(QObject* object) { object->installEventFilter(this); }
    int seen = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        const QEvent::Type type = event->type();
        seen += type == QEvent::KeyPress || type == QEvent::KeyRelease ? 1 : 0;
        return false;
    }
};

// Where a key arrives: at the dialog's window, as the window system delivers it, or straight at the
// widget with the focus.
enum class Route { Window, FocusWidget };

QObject* target(QWidget& dialog, Route route) {
    if (route == Route::Window) {
        return dialog.windowHandle();
    }
    QWidget* focused = dialog.focusWidget();
    return focused != nullptr ? focused : &dialog;
}

class CaptureDialogTest : public ::testing::Test {
protected:
    DialogHost host(Language language = Language::English) const {
        return {DialogSkin{skin.folder(), {230, 230, 230}, skinFont(textFont(language))}, language, QPoint(0, 0),
                nullptr};
    }
    template <typename Dialog> std::unique_ptr<Dialog> open(Language language = Language::English) {
        auto dialog = std::make_unique<Dialog>(host(language), messages, names);
        dialog->show();
        return dialog;
    }

    test::TestSkin skin;
    test::RecordingMessages messages;
    EvdevKeyNames names;
};

using SingleKeyDialogTest = CaptureDialogTest;
using ComboKeyDialogTest = CaptureDialogTest;

TEST_F(SingleKeyDialogTest, OpensWithAnEmptyFieldUnderThePromptAndCaptures) {
    const auto dialog = open<SingleKeyDialog>();
    ASSERT_NE(dialog->keyNameField(), nullptr);
    EXPECT_EQ(dialog->keyNameField()->geometry(), QRect(73, 128, 78, 16));
    EXPECT_EQ(dialog->keyNameField()->text(), "");
    EXPECT_TRUE(dialog->keyNameField()->testAttribute(Qt::WA_TransparentForMouseEvents));
    EXPECT_TRUE(dialog->capture()->isCapturing());
    EXPECT_EQ(dialog->choice().keyName, "");
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(SingleKeyDialogTest, TextsFollowTheLanguage) {
    struct Case {
        Language language;
        const char* ok;
        const char* cancel;
        const char* prompt;
    };
    const Case cases[] = {
        {Language::English, "OK", "Cancel", "Please enter a key"},
        {Language::Span, "OK", "Cancelar", "Por favor presiona cualquier boton"},
        {Language::Chs, "确定", "取消", "请输入一个按键"},
        {Language::Cht, "確定", "取消", "請輸入一個按鍵"},
    };
    for (const Case& c : cases) {
        const auto dialog = open<SingleKeyDialog>(c.language);
        EXPECT_EQ(dialog->prompt(), QString::fromUtf8(c.prompt));
        const SkinnedDialog::Captions captions = SkinnedDialog::captionsIn(c.language);
        EXPECT_EQ(captions.ok, QString::fromUtf8(c.ok));
        EXPECT_EQ(captions.cancel, QString::fromUtf8(c.cancel));
        EXPECT_EQ(dialog->font(), skinFont(textFont(c.language)));
    }
}

TEST_F(SingleKeyDialogTest, KeysThatWouldOperateTheDialogAreCapturedInstead) {
    struct Case {
        const char* what = nullptr;
        Key key{};
        const char* name = nullptr;
        std::uint8_t usage = 0;
    };
    const Case cases[] = {
        {"Enter", kEnter, "Enter", 0x28},
        {"Esc", kEsc, "Esc", 0x29},
        {"Tab", kTab, "Tab", 0x2B},
        {"an arrow", kRightArrow, "Right", 0x4F},
        {"the right Ctrl", kRightCtrl, "Right Ctrl", 0xE4},
        {"a letter", kA, "A", 0x04},
        {"a Windows key", kRightSuper, "Right Windows", 0xE7},
    };
    for (const Route route : {Route::Window, Route::FocusWidget}) {
        for (const Case& c : cases) {
            const auto dialog = open<SingleKeyDialog>();
            KeySpy spy;
            spy.watch(dialog.get());
            press(target(*dialog, route), c.key);
            EXPECT_EQ(dialog->keyNameField()->text(), c.name) << c.what;
            release(target(*dialog, route), c.key);
            EXPECT_TRUE(dialog->isVisible()) << c.what;
            EXPECT_EQ(spy.seen, 0) << c.what << " reached the dialog";
            EXPECT_EQ(dialog->choice().keyName, c.name) << c.what;
            EXPECT_EQ(keyNameToUsage(dialog->choice().keyName), c.usage) << c.what;
        }
    }
}

TEST_F(SingleKeyDialogTest, HeldKeysRepeatAndTheLastReleasedKeyStays) {
    struct Case {
        const char* what = nullptr;
        Key firstReleased{};
        Key lastReleased{};
        const char* name = nullptr;
    };
    for (const Case& c : {Case{"B released first", kB, kA, "A"}, Case{"A released first", kA, kB, "B"}}) {
        const auto dialog = open<SingleKeyDialog>();
        QWindow* window = dialog->windowHandle();
        press(window, kA);
        for (int i = 0; i < 3; ++i) {
            press(window, kA, true);
            EXPECT_EQ(dialog->keyNameField()->text(), "A");
        }
        press(window, kB);
        EXPECT_EQ(dialog->keyNameField()->text(), "B");
        release(window, c.firstReleased);
        release(window, c.lastReleased);
        EXPECT_EQ(dialog->choice().keyName, c.name) << c.what;
    }
}

TEST_F(SingleKeyDialogTest, OkReturnsTheKeyAndCancelOrCloseReject) {
    struct Case {
        QPoint point;
        QDialog::DialogCode result = QDialog::Rejected;
    };
    for (const Case& c : {Case{test::kDialogOk, QDialog::Accepted}, Case{test::kDialogCancel, QDialog::Rejected},
                          Case{test::kDialogClose, QDialog::Rejected}}) {
        const auto dialog = open<SingleKeyDialog>();
        tap(dialog->windowHandle(), kRightCtrl);
        click(*dialog, c.point);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(dialog->result(), c.result);
        EXPECT_EQ(dialog->choice().keyName, "Right Ctrl"); // what it holds; the caller drops it on Rejected
    }
    const auto untouched = open<SingleKeyDialog>();
    click(*untouched, test::kDialogOk);
    EXPECT_EQ(untouched->result(), QDialog::Accepted);
    EXPECT_EQ(untouched->choice().keyName, "");
}

TEST_F(SingleKeyDialogTest, CaptureEndsWithTheDialog) {
    QWidget other;
    other.show();
    KeySpy spy;
    spy.watch(&other);
    auto dialog = open<SingleKeyDialog>();
    tap(&other, kA); // another window's keys are not the dialog's
    EXPECT_EQ(spy.seen, 2);
    EXPECT_EQ(dialog->choice().keyName, "");

    click(*dialog, test::kDialogOk);
    EXPECT_FALSE(dialog->capture()->isCapturing());
    spy.watch(dialog.get());
    tap(dialog.get(), kB); // a hidden dialog captures nothing
    EXPECT_EQ(spy.seen, 4);
    EXPECT_EQ(dialog->choice().keyName, "");

    dialog->show();
    tap(dialog->windowHandle(), kC);
    EXPECT_EQ(dialog->choice().keyName, "C");
    dialog.reset();
    tap(&other, kA);
    EXPECT_EQ(spy.seen, 6);
}

TEST_F(SingleKeyDialogTest, WithoutItsBackgroundItHasNoFieldAndCapturesNothing) {
    skin.remove(skin::kSingleKeyDialog);
    const auto dialog = open<SingleKeyDialog>();
    EXPECT_EQ(messages.messages, (std::vector<test::RecordingMessages::Message>{
                                     {"error", "Single Key Dialog Load background image failed!!!"}}));
    EXPECT_EQ(dialog->keyNameField(), nullptr);
    EXPECT_EQ(dialog->capture(), nullptr);
    tap(dialog->windowHandle(), kA);
    click(*dialog, test::kDialogOk);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->choice().keyName, "");
}

// Names a key whatever it is: for names the key-name table has never heard of.
class FixedNames : public KeyNameSource {
public:
    explicit FixedNames(std::string name)
        : name_(std::move(name)) {}
    std::string keyName(std::uint32_t, int, bool) const override { return name_; }

private:
    std::string name_;
};

TEST(KeyCapture, NamesComeFromTheSourceThenFromTheToolkitAndAreCut) {
    struct Case {
        const char* what;
        std::string sourceName;
        Key key;
        QString name;
    };
    const std::string longName(40, 'x');
    // U+1F600 across characters 31 and 32 must not be split.
    const std::string astral = std::string(30, 'y') + "\xF0\x9F\x98\x80" + "z";
    const Case cases[] = {
        {"the source's name", "Right Ctrl", kRightCtrl, "Right Ctrl"},
        {"the toolkit's text for an unnamed key", "", {Qt::Key_VolumeUp, 115, 0x1008ff13}, "Volume Up"},
        {"nothing for an unknown key", "", {Qt::Key_unknown, 250, 0}, ""},
        {"a long name cut to 31", longName, kA, QString(31, 'x')},
        {"never half a character", astral, kA, QString(30, 'y')},
    };
    for (const Case& c : cases) {
        const FixedNames names(c.sourceName);
        const QKeyEvent event(QEvent::KeyPress, c.key.qtKey, c.key.modifiers, c.key.evdev + 8, c.key.keysym, 0);
        EXPECT_EQ(KeyCapture::nameOf(event, names), c.name) << c.what;
    }
    // Without a native code the real source names the key by the toolkit's key.
    const EvdevKeyNames evdev;
    const QKeyEvent synthetic(QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier);
    EXPECT_EQ(KeyCapture::nameOf(synthetic, evdev), "Ctrl");
    const QKeyEvent keypad(QEvent::KeyPress, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(KeyCapture::nameOf(keypad, evdev), "Num Enter");
}

TEST_F(ComboKeyDialogTest, OpensEmptyWithTheFirstKeyFieldFocused) {
    const auto dialog = open<ComboKeyDialog>();
    ASSERT_NE(dialog->firstKeyField(), nullptr);
    EXPECT_EQ(dialog->firstKeyField()->geometry(), QRect(50, 120, 81, 14));
    EXPECT_EQ(dialog->secondKeyField()->geometry(), QRect(50, 170, 81, 14));
    for (const QLineEdit* field : {dialog->firstKeyField(), dialog->secondKeyField()}) {
        EXPECT_TRUE(field->isReadOnly());
        EXPECT_TRUE(field->isEnabled());
        EXPECT_EQ(field->text(), "");
        EXPECT_FALSE(field->testAttribute(Qt::WA_InputMethodEnabled)); // no input method takes the keys
    }
    EXPECT_EQ(dialog->focusWidget(), dialog->firstKeyField());
    EXPECT_FALSE(dialog->modifierList()->isOpen());
    EXPECT_TRUE(dialog->capture()->isCapturing());
    EXPECT_EQ(namesOf(dialog->choice()), (ComboNames{}));
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ComboKeyDialogTest, LeftCtrlThenCInTheFirstField) {
    const auto dialog = open<ComboKeyDialog>();
    click(*dialog, kModifierBox);
    ASSERT_TRUE(dialog->modifierList()->isOpen());
    QListWidget* list = dialog->modifierList()->list();
    EXPECT_EQ(list->geometry(), QRect(49, 87, 83, 140));
    QStringList rows;
    for (int i = 0; i < list->count(); ++i) {
        rows << list->item(i)->text();
    }
    EXPECT_EQ(rows, (QStringList{"Left Ctrl", "Left Shift", "Left Alt", "Left Win", "Right Ctrl", "Right Shift",
                                 "Right Alt", "Right Win"}));
    emit list->itemEntered(list->item(3)); // the pointer passing over a row only selects it
    EXPECT_EQ(list->currentRow(), 3);
    EXPECT_TRUE(dialog->modifierList()->isOpen());
    click(*list->viewport(), list->visualItemRect(list->item(0)).center());
    EXPECT_FALSE(dialog->modifierList()->isOpen());

    click(*dialog->firstKeyField(), {10, 7});
    EXPECT_EQ(dialog->focusWidget(), dialog->firstKeyField());
    tap(dialog->windowHandle(), kC);
    EXPECT_EQ(dialog->firstKeyField()->text(), "C");
    click(*dialog, test::kDialogOk);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    const ComboKeyChoice choice = dialog->choice();
    EXPECT_EQ(namesOf(choice), (ComboNames{"Left Ctrl", "C", ""}));
    EXPECT_EQ(modifierNameToBit(choice.modifierName), 0x01);
    EXPECT_EQ(keyNameToUsage(choice.key1Name), 0x06);
}

TEST_F(ComboKeyDialogTest, ASecondModifierReplacesTheFirst) {
    const auto dialog = open<ComboKeyDialog>();
    click(*dialog, kModifierBox);
    dialog->modifierList()->choose(0);
    click(*dialog, kModifierBox);
    dialog->modifierList()->choose(6);
    EXPECT_EQ(dialog->choice().modifierName, "Right Alt");
}

TEST_F(ComboKeyDialogTest, KeysGoToTheFocusedFieldOnly) {
    const auto dialog = open<ComboKeyDialog>();
    KeySpy spy;
    spy.watch(dialog.get());
    spy.watch(dialog->firstKeyField());
    spy.watch(dialog->secondKeyField());
    tap(dialog->windowHandle(), kA);
    click(*dialog->secondKeyField(), {10, 7});
    EXPECT_EQ(dialog->focusWidget(), dialog->secondKeyField());
    tap(target(*dialog, Route::FocusWidget), kEnter);
    tap(dialog->windowHandle(), kEsc);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(namesOf(dialog->choice()), (ComboNames{"", "A", "Esc"}));

    dialog->setFocus(); // neither field
    tap(dialog->windowHandle(), kRightCtrl);
    EXPECT_EQ(namesOf(dialog->choice()), (ComboNames{"", "A", "Esc"}));
    EXPECT_EQ(spy.seen, 0);
}

TEST_F(ComboKeyDialogTest, TheOpenListDisablesTheKeyFieldsUntilItCloses) {
    struct Case {
        const char* what;
        std::function<void(ComboKeyDialog&)> close;
        const char* modifier;
    };
    const Case cases[] = {
        {"choosing a row", [](ComboKeyDialog& d) { d.modifierList()->choose(4); }, "Right Ctrl"},
        {"a click elsewhere", [](ComboKeyDialog& d) { click(d, kElsewhere); }, ""},
        {"a click on the box", [](ComboKeyDialog& d) { click(d, kModifierBox); }, ""},
    };
    for (const Case& c : cases) {
        const auto dialog = open<ComboKeyDialog>();
        click(*dialog->secondKeyField(), {10, 7});
        click(*dialog, kModifierBox);
        ASSERT_TRUE(dialog->modifierList()->isOpen()) << c.what;
        EXPECT_FALSE(dialog->firstKeyField()->isEnabled()) << c.what;
        EXPECT_FALSE(dialog->secondKeyField()->isEnabled()) << c.what;
        tap(dialog->windowHandle(), kA); // captured by no field
        EXPECT_EQ(namesOf(dialog->choice()), (ComboNames{})) << c.what;

        c.close(*dialog);
        EXPECT_FALSE(dialog->modifierList()->isOpen()) << c.what;
        EXPECT_TRUE(dialog->firstKeyField()->isEnabled()) << c.what;
        EXPECT_TRUE(dialog->secondKeyField()->isEnabled()) << c.what;
        tap(dialog->windowHandle(), kB);
        EXPECT_EQ(dialog->choice().modifierName, c.modifier) << c.what;
        // The focus is back in the field that had it.
        EXPECT_EQ(dialog->choice().key2Name, "B") << c.what;
    }
}

TEST_F(ComboKeyDialogTest, CancelAndCloseRejectWhateverWasChosen) {
    for (const QPoint end : {test::kDialogCancel, test::kDialogClose}) {
        const auto dialog = open<ComboKeyDialog>();
        click(*dialog, kModifierBox);
        dialog->modifierList()->choose(1);
        tap(dialog->windowHandle(), kA);
        click(*dialog, end);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(dialog->result(), QDialog::Rejected);
        EXPECT_FALSE(dialog->capture()->isCapturing());
    }
    const auto untouched = open<ComboKeyDialog>();
    click(*untouched, test::kDialogOk);
    EXPECT_EQ(untouched->result(), QDialog::Accepted);
    EXPECT_EQ(namesOf(untouched->choice()), (ComboNames{}));
}

TEST_F(ComboKeyDialogTest, WithoutItsBackgroundItHasNoControlsAndCapturesNothing) {
    skin.remove(skin::kComboKeyDialog);
    const auto dialog = open<ComboKeyDialog>();
    EXPECT_EQ(messages.messages, (std::vector<test::RecordingMessages::Message>{
                                     {"error", "Combo Dialog Load background image failed!!!"}}));
    EXPECT_EQ(dialog->modifierList(), nullptr);
    EXPECT_EQ(dialog->firstKeyField(), nullptr);
    EXPECT_EQ(dialog->secondKeyField(), nullptr);
    EXPECT_EQ(dialog->capture(), nullptr);
    click(*dialog, kModifierBox);
    click(*dialog, kSecondField);
    tap(dialog->windowHandle(), kA);
    click(*dialog, test::kDialogOk);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(namesOf(dialog->choice()), (ComboNames{}));
}

} // namespace
} // namespace q417
