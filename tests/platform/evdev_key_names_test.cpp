#include "assign/key_names.h"
#include "platform/evdev_key_names.h"

#include <gtest/gtest.h>
#include <linux/input-event-codes.h>
#include <map>
#include <set>
#include <string>

namespace q417 {
namespace {

constexpr std::uint32_t kOffset = EvdevKeyNames::kNativeOffset;
constexpr int kNoQtKey = 0;

TEST(EvdevKeyNames, NativeCodesNameThePhysicalKey) {
    struct Case {
        std::uint32_t evdev;
        const char* name;
    };
    const Case cases[] = {
        {KEY_A, "A"},
        {KEY_0, "0"},
        {KEY_ENTER, "Enter"},
        {KEY_ESC, "Esc"},
        {KEY_TAB, "Tab"},
        {KEY_RIGHT, "Right"},
        {KEY_LEFTCTRL, "Ctrl"},
        {KEY_RIGHTCTRL, "Right Ctrl"},
        {KEY_LEFTSHIFT, "Shift"},
        {KEY_RIGHTSHIFT, "Right Shift"},
        {KEY_LEFTALT, "Alt"},
        {KEY_RIGHTALT, "Right Alt"},
        {KEY_LEFTMETA, "Left Windows"},
        {KEY_RIGHTMETA, "Right Windows"},
        {KEY_KP1, "Num 1"},
        {KEY_KPENTER, "Num Enter"},
        {KEY_KPDOT, "Num Del"},
        {KEY_DELETE, "Delete"},
        {KEY_F1, "F1"},
        {KEY_F11, "F11"},
        {KEY_SYSRQ, "Prnt Scrn"},
        {KEY_GRAVE, "`"},
    };
    const EvdevKeyNames names;
    for (const Case& c : cases) {
        // The toolkit's key code must not matter when the native code is there.
        EXPECT_EQ(names.keyName(c.evdev + kOffset, 'Q', true), c.name) << c.evdev;
    }
}

TEST(EvdevKeyNames, LeftAndRightModifiersGiveTheirOwnUsages) {
    const EvdevKeyNames names;
    EXPECT_EQ(keyNameToUsage(names.keyName(KEY_RIGHTCTRL + kOffset, kNoQtKey, false)), 0xE4);
    EXPECT_EQ(keyNameToUsage(names.keyName(KEY_LEFTCTRL + kOffset, kNoQtKey, false)), 0xE0);
    EXPECT_EQ(keyNameToUsage(names.keyName(KEY_RIGHTMETA + kOffset, kNoQtKey, false)), 0xE7);
}

TEST(EvdevKeyNames, EveryKeyOfTheKeyNameTableCanBePressed) {
    // The usages the names of all key codes reach. The mouse buttons are no keys, and the non-US
    // hash key comes from the kernel as the backslash key, whose usage every host treats alike.
    std::map<std::uint8_t, std::string> reached;
    for (std::uint32_t code = 0; code <= KEY_MAX; ++code) {
        const std::string_view name = EvdevKeyNames::evdevName(code);
        if (const std::uint8_t usage = keyNameToUsage(name); usage != 0) {
            EXPECT_TRUE(reached.emplace(usage, name).second) << "two keys give " << name;
        }
    }
    std::set<std::uint8_t> missing;
    for (int usage = 0x04; usage <= 0x63; ++usage) {
        missing.insert(static_cast<std::uint8_t>(usage));
    }
    for (int usage = 0xE0; usage <= 0xE7; ++usage) {
        missing.insert(static_cast<std::uint8_t>(usage));
    }
    for (const auto& [usage, name] : reached) {
        missing.erase(usage);
    }
    EXPECT_EQ(missing, (std::set<std::uint8_t>{keyNameToUsage("Eurpo(Note 2)")}));
}

TEST(EvdevKeyNames, KeysOutsideTheTableNeverPassForTableKeys) {
    // Layouts put table symbols on these ("\" on the ISO key, "=" on the keypad), yet the mouse has
    // no usage for them here: they must label the button without giving a usage.
    const EvdevKeyNames names;
    for (const int code : {KEY_102ND, KEY_KPEQUAL, KEY_KPCOMMA, KEY_RO, KEY_YEN, KEY_COMPOSE, KEY_F13}) {
        const std::string name = names.keyName(static_cast<std::uint32_t>(code) + kOffset, '\\', false);
        EXPECT_FALSE(name.empty()) << code;
        EXPECT_EQ(keyNameToUsage(name), 0) << name;
    }
    // An unknown code stays unnamed rather than taking the layout's symbol.
    EXPECT_EQ(names.keyName(KEY_VOLUMEUP + kOffset, '=', false), "");
}

TEST(EvdevKeyNames, WithoutANativeCodeTheToolkitKeyNamesTheKey) {
    // Qt::Key values: letters, digits and symbols are their ASCII codes.
    struct Case {
        int qtKey;
        bool keypad;
        const char* name;
    };
    const Case cases[] = {
        {'A', false, "A"},
        {'Z', false, "Z"},
        {'7', false, "7"},
        {'7', true, "Num 7"},
        {'-', false, "-"},
        {'-', true, "Num -"},
        {'.', true, "Num Del"},
        {0x01000011, true, "Num 1"}, // End without Num Lock
        {0x01000011, false, "End"},
        {0x01000004, false, "Enter"},
        {0x01000005, true, "Num Enter"},
        {0x01000021, false, "Ctrl"},
        {0x01000030, false, "F1"},
        {0x0100003b, false, "F12"},
        {0x0100003c, false, ""}, // F13: not in the table
        {'a', false, ""},        // Qt never reports lower case
        {-1, false, ""},
    };
    const EvdevKeyNames names;
    for (const Case& c : cases) {
        EXPECT_EQ(names.keyName(0, c.qtKey, c.keypad), c.name) << std::hex << c.qtKey;
    }
}

} // namespace
} // namespace q417
