#include "assign/key_names.h"
#include "assign/media_launch_keys.h"
#include "profile/profile_hex.h"
#include "profile/profile_json.h"
#include "profile/profile_names.h"
#include "texts/texts_media_launch.h"

#include <cstdio>
#include <cstring>
#include <nlohmann/json.hpp>

namespace q417 {

namespace {

using Json = nlohmann::ordered_json;

std::string colourText(const std::array<std::uint8_t, 3>& rgb) {
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "#%02x%02x%02x", rgb[0], rgb[1], rgb[2]);
    return text.data();
}

// A 0/1 byte as a bool; any other byte has no name.
void putFlag(Json& object, const char* key, std::uint8_t byte) {
    if (byte <= 1) {
        object[key] = byte == 1;
    }
}

// The modifier name whose bit is `bits`; empty when no single modifier has it.
std::string_view modifierWithBit(std::uint8_t bits) {
    for (std::size_t row = 0; row < kModifierCount; ++row) {
        if (modifierNameToBit(modifierName(row)) == bits) {
            return modifierName(row);
        }
    }
    return {};
}

// A combo key's key: null for none, its name, or nothing when the usage has no name.
void putComboKey(Json& entry, const char* key, std::uint8_t usage) {
    if (usage == 0) {
        entry[key] = nullptr;
    } else if (const std::string_view name = usageKeyName(usage); !name.empty()) {
        entry[key] = name;
    }
}

Json buttonEntry(const ProfileData& profile, std::size_t mode, std::size_t button) {
    const KeyBank& bank = profile.config.banks[mode];
    const std::uint8_t function = bank.function[button];
    Json entry = Json::object();
    const std::string_view word = functionWord(function);
    if (word.empty()) {
        return entry;
    }
    entry["function"] = word;
    switch (static_cast<ButtonFunction>(function)) {
    case ButtonFunction::DpiSwitch:
        if (const auto w = dpiSwitchWord(profile.config.dpiSwitchMode[mode][button]); !w.empty()) {
            entry["variant"] = w;
        }
        break;
    case ButtonFunction::WindowsKey: {
        const std::size_t row = bank.launchIndex[button];
        if (row < kLaunchRowCount && bank.launchCodeLow[button] == launchCodeLow(row) &&
            bank.launchCodeHigh[button] == launchCodeHigh(row)) {
            entry["key"] = launchRowText(Language::English, row);
        }
        break;
    }
    case ButtonFunction::MediaKey: {
        const std::size_t row = bank.mediaIndex[button];
        if (row < kMediaRowCount && bank.mediaCode[button] == mediaUsage(row)) {
            entry["key"] = mediaRowText(Language::English, row);
        }
        break;
    }
    case ButtonFunction::FireKey: {
        const std::size_t row = bank.fireKeyIndex[button];
        if (row < kFireKeyRowCount && bank.fireKeyCode[button] == fireKeyCode(row)) {
            entry["key"] = fireKeyName(row);
        }
        if (bank.fireSpeed[button] >= 5) {
            entry["speed"] = bank.fireSpeed[button];
        }
        entry["times"] = bank.fireTimes[button];
        break;
    }
    case ButtonFunction::SingleKey:
        if (const auto name = usageKeyName(bank.singleKeyCode[button]); !name.empty()) {
            entry["key"] = name;
        }
        break;
    case ButtonFunction::ComboKey:
        if (bank.comboModifiers[button] == 0) {
            entry["modifier"] = nullptr;
        } else if (const auto name = modifierWithBit(bank.comboModifiers[button]); !name.empty()) {
            entry["modifier"] = name;
        }
        putComboKey(entry, "key1", bank.comboKey1[button]);
        putComboKey(entry, "key2", bank.comboKey2[button]);
        break;
    case ButtonFunction::MacroKey:
        if (bank.macroNumber[button] < profile.macros.size()) {
            entry["macro"] = profile.macros[bank.macroNumber[button]].name;
        }
        if (bank.macroMode[button] <= 2) {
            entry["playback"] = bank.macroMode[button] + 1;
        }
        break;
    default:
        break;
    }
    return entry;
}

Json lightingObject(const MouseConfig& config) {
    Json lighting = Json::object();
    if (const auto w = lightingWord(config.ledMode); !w.empty()) {
        lighting["mode"] = w;
    }
    lighting["levels"] = config.ledLevel;
    lighting["option2"] = config.ledOption2;
    lighting["option3"] = config.ledOption3;
    return lighting;
}

Json pointerObject(const MouseConfig& config) {
    Json pointer = Json::object();
    putFlag(pointer, "enhancePrecision", config.enhancePointerPrecision);
    putFlag(pointer, "scrollOneScreen", config.scrollOneScreen);
    if (config.pointerSpeedLevel >= 1 && config.pointerSpeedLevel <= 11) {
        pointer["speed"] = config.pointerSpeedLevel;
    }
    pointer["wheelLines"] = config.wheelScrollLines;
    pointer["doubleClick"] = config.doubleClickLevel;
    return pointer;
}

} // namespace

std::string writeProfileJson(const ProfileData& profile) {
    const MouseConfig& config = profile.config;
    Json root = Json::object();
    root["format"] = kProfileFormatName;
    root["version"] = kProfileFormatVersion;
    if (config.activeMode <= 1) {
        root["keyMode"] = config.activeMode == 0 ? "A" : "B";
    }
    if (const auto hz = reportRateHz(config.reportRate)) {
        root["reportRate"] = *hz;
    }
    Json banks = Json::object();
    for (std::size_t mode = 0; mode < kModeCount; ++mode) {
        Json buttons = Json::array();
        for (std::size_t button = 0; button < kButtonCount; ++button) {
            buttons.push_back(buttonEntry(profile, mode, button));
        }
        banks[mode == 0 ? "A" : "B"] = std::move(buttons);
    }
    root["banks"] = std::move(banks);
    Json stages = Json::array();
    for (std::size_t stage = 0; stage < kDpiStageCount; ++stage) {
        Json s = Json::object();
        s["level"] = config.dpiLevel[stage];
        putFlag(s, "enabled", config.dpiStageEnabled[stage]);
        s["colour"] = colourText(config.dpiColor[stage]);
        stages.push_back(std::move(s));
    }
    root["dpiStages"] = std::move(stages);
    root["lighting"] = lightingObject(config);
    root["pointer"] = pointerObject(config);
    Json macros = Json::array();
    for (const ProfileMacro& macro : profile.macros) {
        macros.push_back(Json{{"name", macro.name}, {"repeat", macro.repeats}, {"lines", macro.lines}});
    }
    root["macros"] = std::move(macros);
    Json labels = Json::object();
    for (std::size_t lang = 0; lang < kLanguageCount; ++lang) {
        const KeyLabels& l = profile.labels[lang];
        labels[std::string(languageWord(static_cast<Language>(lang)))] = Json{{"A", l[0]}, {"B", l[1]}};
    }
    root["labels"] = std::move(labels);
    std::array<std::uint8_t, sizeof(MouseConfig)> bytes{};
    std::memcpy(bytes.data(), &config, sizeof(MouseConfig));
    root["record"] = hexText(bytes);
    // Text that is not UTF-8 (a label of a damaged str.ini) is written with replacement characters.
    return root.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

} // namespace q417
