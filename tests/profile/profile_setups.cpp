#include "profile/profile_setups.h"

#include "assign/key_names.h"
#include "assign/media_launch_keys.h"
#include "config/config_file.h"
#include "config/factory_defaults.h"
#include "macro/macro_library.h"
#include "platform/ini_file.h"
#include "texts/button_labels.h"

#include <gtest/gtest.h>

namespace q417::test {

namespace {

ProfileMacro mouseMacro(std::size_t n) {
    const std::string key = std::string(1, static_cast<char>('A' + n));
    return {"Macro " + std::to_string(n + 1) + (n == 3 ? " été" : ""),
            static_cast<std::uint16_t>(n + 1),
            {key + "   Dn", "20 ms", "L-Button   Dn", std::to_string(10 * n) + " ms", "L-Button   Up", "5 ms",
             key + "   Up", "R-Button   Dn", "1500 ms", "R-Button   Up"}};
}

// Every function with named parameters: Mode A gets functions 0-11, Mode B 12-14 and the rest.
ProfileData everyFunction() {
    ProfileData d;
    d.config = factoryConfig();
    d.macros = {mouseMacro(0), mouseMacro(1)};
    for (std::size_t i = 0; i < kButtonCount * kModeCount; ++i) {
        const std::size_t mode = i / kButtonCount;
        const std::size_t b = i % kButtonCount;
        KeyBank& bank = d.config.banks[mode];
        const auto f = static_cast<std::uint8_t>(i % 15);
        bank.function[b] = f;
        d.config.dpiSwitchMode[mode][b] = static_cast<std::uint8_t>(1 + i % 4);
        bank.mediaIndex[b] = static_cast<std::uint8_t>(i % 7);
        bank.mediaCode[b] = mediaUsage(i % 7);
        bank.launchIndex[b] = static_cast<std::uint8_t>(i % 11);
        bank.launchCodeLow[b] = launchCodeLow(i % 11);
        bank.launchCodeHigh[b] = launchCodeHigh(i % 11);
        bank.fireKeyIndex[b] = static_cast<std::uint8_t>(i * 2 % 61);
        bank.fireKeyCode[b] = fireKeyCode(i * 2 % 61);
        bank.fireSpeed[b] = static_cast<std::uint8_t>(5 + i);
        bank.fireTimes[b] = static_cast<std::uint8_t>(i);
        bank.singleKeyCode[b] = keyNameToUsage(i % 2 == 0 ? "Enter" : "F5");
        bank.comboModifiers[b] = modifierNameToBit(modifierName(i % 8));
        bank.comboKey1[b] = i % 3 == 0 ? 0 : keyNameToUsage("X");
        bank.comboKey2[b] = keyNameToUsage("Tab");
        bank.macroNumber[b] = static_cast<std::uint8_t>(i % 2);
        bank.macroMode[b] = static_cast<std::uint8_t>(i % 3);
    }
    d.config.activeMode = 1;
    d.config.reportRate = 4;
    for (std::size_t lang = 0; lang < kLanguageCount; ++lang) {
        for (std::size_t mode = 0; mode < kModeCount; ++mode) {
            for (std::size_t b = 0; b < kButtonCount; ++b) {
                d.labels[lang][mode][b] =
                    "L" + std::to_string(lang) + "/" + std::to_string(mode) + "/" + std::to_string(b);
            }
        }
    }
    d.labels[0][0][0] = "左键";
    return d;
}

ProfileData twelveMacros() {
    ProfileData d;
    d.config = factoryConfig();
    for (std::size_t n = 0; n < kMacroSlotCount; ++n) {
        d.macros.push_back(mouseMacro(n));
    }
    d.macros[11].lines.clear(); // an empty macro empties its slot
    d.macros[11].repeats = 0;
    d.config.banks[0].function[4] = static_cast<std::uint8_t>(ButtonFunction::MacroKey);
    d.config.banks[0].macroNumber[4] = 11;
    return d;
}

// Bytes with no name: they must come back through "record" alone.
ProfileData oddValues() {
    ProfileData d;
    d.config = factoryConfig();
    d.config.banks[0].function[0] = 200;
    d.config.banks[0].function[1] = static_cast<std::uint8_t>(ButtonFunction::SingleKey);
    d.config.banks[0].singleKeyCode[1] = 0x01;
    d.config.banks[0].function[2] = static_cast<std::uint8_t>(ButtonFunction::FireKey);
    d.config.banks[0].fireSpeed[2] = 2;
    d.config.banks[0].fireKeyIndex[2] = 99;
    d.config.banks[0].function[3] = static_cast<std::uint8_t>(ButtonFunction::MacroKey);
    d.config.banks[0].macroNumber[3] = 40;
    d.config.banks[0].macroMode[3] = 9;
    d.config.banks[1].function[5] = static_cast<std::uint8_t>(ButtonFunction::MediaKey);
    d.config.banks[1].mediaIndex[5] = 2;
    d.config.banks[1].mediaCode[5] = 0x77; // does not match its row
    d.config.banks[1].function[6] = static_cast<std::uint8_t>(ButtonFunction::ComboKey);
    d.config.banks[1].comboModifiers[6] = 0x03; // two modifiers: no single name
    d.config.banks[1].comboKey1[6] = 0xFE;
    d.config.banks[1].function[7] = static_cast<std::uint8_t>(ButtonFunction::DpiSwitch);
    d.config.dpiSwitchMode[1][7] = 0;
    d.config.reserved0 = {0xAB, 0xCD, 0xEF, 0x01, 0x02};
    d.config.reserved1 = 0x5A;
    d.config.reserved2 = 0xA5;
    d.config.reportRate = 3;
    d.config.dpiStageEnabled[2] = 7;
    d.config.ledMode = 9;
    d.config.ledOption1 = 0x42;
    d.config.pointerSpeedLevel = 0;
    d.config.enhancePointerPrecision = 2;
    d.config.activeMode = 5;
    d.config.macroSlots[7].eventPairs[3] = 0x99; // a slot with no macro keeps its bytes
    return d;
}

} // namespace

std::vector<ProfileSetup> profileSetups() {
    ProfileData factory;
    factory.config = factoryConfig();
    return {{"factory", factory},
            {"every function", everyFunction()},
            {"twelve macros", twelveMacros()},
            {"odd values", oddValues()}};
}

void writeSetup(const TempDir& dir, const ProfileData& data) {
    ProfileData d = data;
    dir.write("config.bin", configFileBytes(d.config, 1));
    dir.write("str.ini", factoryUiSettingsText());
    MacroLibrary library(dir / "record.ini");
    for (const ProfileMacro& macro : d.macros) {
        ASSERT_TRUE(library.saveMacro(macro.name, macro.lines, d.config).ok());
    }
    for (std::size_t i = 0; i < d.macros.size(); ++i) {
        d.config.macroSlots[i].setRepeats(d.macros[i].repeats);
    }
    dir.write("config.bin", configFileBytes(d.config, 1));
    IniFile ui(dir / "str.ini");
    for (std::size_t lang = 0; lang < kLanguageCount; ++lang) {
        ASSERT_TRUE(writeButtonLabels(ui, static_cast<Language>(lang), d.labels[lang]).ok());
    }
}

} // namespace q417::test
