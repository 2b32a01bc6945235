#include "assign/key_names.h"
#include "assign/media_launch_keys.h"
#include "config/factory_defaults.h"
#include "macro/macro_encoding.h"
#include "macro/macro_library.h"
#include "macro/macro_line.h"
#include "platform/ini_document.h"
#include "profile/profile_hex.h"
#include "profile/profile_json.h"
#include "profile/profile_names.h"
#include "texts/texts_media_launch.h"

#include <cstring>
#include <initializer_list>
#include <nlohmann/json.hpp>

namespace q417 {

namespace {

using Json = nlohmann::json;

// The first fault found, with the path of its field; thrown inside the reader only.
struct Fault {
    std::string path;
    std::string what;
};

[[noreturn]] void fail(const std::string& path, std::string what) {
    throw Fault{path, std::move(what)};
}

std::string at(const std::string& path, std::string_view key) {
    return path.empty() ? std::string(key) : path + "." + std::string(key);
}

std::string at(const std::string& path, std::size_t index) {
    return path + "[" + std::to_string(index) + "]";
}

std::string inQuotes(std::string_view text) {
    return "'" + std::string(text) + "'";
}

const Json& expectObject(const Json& value, const std::string& path, std::initializer_list<std::string_view> known) {
    if (!value.is_object()) {
        fail(path.empty() ? "(top)" : path, "must be an object");
    }
    for (const auto& [key, item] : value.items()) {
        bool isKnown = false;
        for (const std::string_view k : known) {
            isKnown = isKnown || k == key;
        }
        if (!isKnown) {
            fail(at(path, key), "unknown field");
        }
    }
    return value;
}

const Json& expectArray(const Json& value, const std::string& path, std::size_t minSize, std::size_t maxSize) {
    if (!value.is_array()) {
        fail(path, "must be an array");
    }
    if (value.size() < minSize || value.size() > maxSize) {
        fail(path, minSize == maxSize ? "must hold " + std::to_string(minSize) + " entries"
                                      : "must hold " + std::to_string(minSize) + " to " + std::to_string(maxSize) +
                                            " entries, not " + std::to_string(value.size()));
    }
    return value;
}

const std::string& expectString(const Json& value, const std::string& path) {
    if (!value.is_string()) {
        fail(path, "must be a string");
    }
    return value.get_ref<const std::string&>();
}

long long expectInteger(const Json& value, const std::string& path, long long lo, long long hi) {
    if (!value.is_number_integer()) {
        fail(path, "must be a whole number");
    }
    const long long n = value.is_number_unsigned() && value.get<std::uint64_t>() > static_cast<std::uint64_t>(hi)
                            ? hi + 1
                            : value.get<long long>();
    if (n < lo || n > hi) {
        fail(path, "out of range " + std::to_string(lo) + ".." + std::to_string(hi) + ": " + value.dump());
    }
    return n;
}

std::uint8_t expectByte(const Json& value, const std::string& path, long long lo = 0, long long hi = 255) {
    return static_cast<std::uint8_t>(expectInteger(value, path, lo, hi));
}

bool expectBool(const Json& value, const std::string& path) {
    if (!value.is_boolean()) {
        fail(path, "must be true or false");
    }
    return value.get<bool>();
}

// Calls `read` with the field when the object has it.
template <typename F> void ifPresent(const Json& object, const std::string& path, const char* key, F read) {
    if (const auto it = object.find(key); it != object.end()) {
        read(*it, at(path, key));
    }
}

std::uint8_t keyUsage(const Json& value, const std::string& path) {
    const std::string& name = expectString(value, path);
    const std::uint8_t usage = keyNameToUsage(name);
    if (usage == 0) {
        fail(path, "unknown key name " + inQuotes(name));
    }
    return usage;
}

template <typename RowText>
std::size_t rowOfText(const Json& value, const std::string& path, std::size_t rows, RowText text, const char* kind) {
    const std::string& name = expectString(value, path);
    for (std::size_t row = 0; row < rows; ++row) {
        if (text(row) == name) {
            return row;
        }
    }
    fail(path, std::string("unknown ") + kind + " " + inQuotes(name));
}

std::size_t macroIndex(const std::vector<ProfileMacro>& macros, const Json& value, const std::string& path) {
    const std::string& name = expectString(value, path);
    for (std::size_t i = 0; i < macros.size(); ++i) {
        if (macros[i].name == name) {
            return i;
        }
    }
    fail(path, "unknown macro " + inQuotes(name));
}

void readButton(const Json& entry, const std::string& path, ProfileData& profile, std::size_t mode,
                std::size_t button) {
    expectObject(entry, path,
                 {"function", "variant", "key", "speed", "times", "modifier", "key1", "key2", "macro", "playback"});
    KeyBank& bank = profile.config.banks[mode];
    const auto fn = entry.find("function");
    if (fn == entry.end()) {
        if (entry.size() > 0) {
            fail(at(path, "function"), "missing, while the button has parameters");
        }
        return; // "record" carries the button
    }
    const std::string fnPath = at(path, "function");
    const auto function = functionOfWord(expectString(*fn, fnPath));
    if (!function) {
        fail(fnPath, "unknown function " + inQuotes(fn->get_ref<const std::string&>()));
    }
    bank.function[button] = *function;
    // Parameters of other functions are refused, so a typo cannot go unnoticed.
    const auto allow = [&](std::initializer_list<std::string_view> keys) {
        for (const auto& [key, item] : entry.items()) {
            bool ok = key == "function";
            for (const std::string_view k : keys) {
                ok = ok || k == key;
            }
            if (!ok) {
                fail(at(path, key), "not a parameter of " + inQuotes(fn->get_ref<const std::string&>()));
            }
        }
    };
    switch (static_cast<ButtonFunction>(*function)) {
    case ButtonFunction::DpiSwitch:
        allow({"variant"});
        ifPresent(entry, path, "variant", [&](const Json& v, const std::string& p) {
            const auto variant = dpiSwitchOfWord(expectString(v, p));
            if (!variant) {
                fail(p, "unknown DPI switch variant " + inQuotes(v.get_ref<const std::string&>()));
            }
            profile.config.dpiSwitchMode[mode][button] = *variant;
        });
        break;
    case ButtonFunction::WindowsKey:
        allow({"key"});
        ifPresent(entry, path, "key", [&](const Json& v, const std::string& p) {
            const std::size_t row = rowOfText(
                v, p, kLaunchRowCount, [](std::size_t r) { return launchRowText(Language::English, r); }, "launch key");
            bank.launchIndex[button] = static_cast<std::uint8_t>(row);
            bank.launchCodeLow[button] = launchCodeLow(row);
            bank.launchCodeHigh[button] = launchCodeHigh(row);
        });
        break;
    case ButtonFunction::MediaKey:
        allow({"key"});
        ifPresent(entry, path, "key", [&](const Json& v, const std::string& p) {
            const std::size_t row = rowOfText(
                v, p, kMediaRowCount, [](std::size_t r) { return mediaRowText(Language::English, r); }, "media key");
            bank.mediaIndex[button] = static_cast<std::uint8_t>(row);
            bank.mediaCode[button] = mediaUsage(row);
        });
        break;
    case ButtonFunction::FireKey:
        allow({"key", "speed", "times"});
        ifPresent(entry, path, "key", [&](const Json& v, const std::string& p) {
            const std::size_t row = rowOfText(v, p, kFireKeyRowCount, fireKeyName, "fire key");
            bank.fireKeyIndex[button] = static_cast<std::uint8_t>(row);
            bank.fireKeyCode[button] = fireKeyCode(row);
        });
        ifPresent(entry, path, "speed",
                  [&](const Json& v, const std::string& p) { bank.fireSpeed[button] = expectByte(v, p, 5, 255); });
        ifPresent(entry, path, "times",
                  [&](const Json& v, const std::string& p) { bank.fireTimes[button] = expectByte(v, p); });
        break;
    case ButtonFunction::SingleKey:
        allow({"key"});
        ifPresent(entry, path, "key",
                  [&](const Json& v, const std::string& p) { bank.singleKeyCode[button] = keyUsage(v, p); });
        break;
    case ButtonFunction::ComboKey: {
        allow({"modifier", "key1", "key2"});
        ifPresent(entry, path, "modifier", [&](const Json& v, const std::string& p) {
            if (v.is_null()) {
                bank.comboModifiers[button] = 0;
                return;
            }
            const std::uint8_t bit = modifierNameToBit(expectString(v, p));
            if (bit == 0) {
                fail(p, "unknown modifier " + inQuotes(v.get_ref<const std::string&>()));
            }
            bank.comboModifiers[button] = bit;
        });
        const auto comboKey = [&](const Json& v, const std::string& p) {
            return v.is_null() ? std::uint8_t{0} : keyUsage(v, p);
        };
        ifPresent(entry, path, "key1",
                  [&](const Json& v, const std::string& p) { bank.comboKey1[button] = comboKey(v, p); });
        ifPresent(entry, path, "key2",
                  [&](const Json& v, const std::string& p) { bank.comboKey2[button] = comboKey(v, p); });
        break;
    }
    case ButtonFunction::MacroKey:
        allow({"macro", "playback"});
        ifPresent(entry, path, "macro", [&](const Json& v, const std::string& p) {
            bank.macroNumber[button] = static_cast<std::uint8_t>(macroIndex(profile.macros, v, p));
        });
        ifPresent(entry, path, "playback", [&](const Json& v, const std::string& p) {
            bank.macroMode[button] = static_cast<std::uint8_t>(expectByte(v, p, 1, 3) - 1);
        });
        break;
    default:
        allow({});
        break;
    }
}

// A line must read back as itself: a known key pressed or released, or a delay.
void checkMacroLine(const std::string& line, const std::string& path) {
    const MacroEvent event = parseMacroLine(line);
    if (event.isKeyEvent() && keyNameToUsage(event.keyName) == 0) {
        fail(path, "unknown key name " + inQuotes(event.keyName));
    }
    if (event.kind == MacroEvent::Kind::Other || formatMacroLine(event) != line) {
        fail(path, "not a key press (\"A   Dn\"), release (\"A   Up\") or delay (\"50 ms\"): " + inQuotes(line));
    }
    if (event.kind == MacroEvent::Kind::Delay && event.delayMs < 0) {
        fail(path, "a delay cannot be negative");
    }
}

// What a record.ini section name may be: the library cuts names to 31 characters, and the INI
// grammar gives brackets and line breaks a meaning, and trims blanks.
void checkMacroName(const std::string& name, const std::string& path) {
    if (name.empty()) {
        fail(path, "a macro needs a name");
    }
    if (name.find_first_of("[]\r\n") != std::string::npos) {
        fail(path, "a macro name cannot hold '[', ']' or a line break");
    }
    if (name.front() == ' ' || name.back() == ' ' || name.front() == '\t' || name.back() == '\t') {
        fail(path, "a macro name cannot begin or end with a blank");
    }
    std::size_t chars = 0;
    for (const char c : name) {
        chars += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    if (chars > kMacroNameMaxChars) {
        fail(path, "a macro name has at most " + std::to_string(kMacroNameMaxChars) + " characters");
    }
}

void readMacros(const Json& value, const std::string& path, ProfileData& profile) {
    if (!value.is_array()) {
        fail(path, "must be an array");
    }
    if (value.size() > kMacroSlotCount) {
        fail(at(path, kMacroSlotCount), "the mouse holds " + std::to_string(kMacroSlotCount) + " macros");
    }
    for (std::size_t i = 0; i < value.size(); ++i) {
        const std::string p = at(path, i);
        const Json& m = expectObject(value[i], p, {"name", "repeat", "lines"});
        ProfileMacro macro;
        if (!m.contains("name")) {
            fail(at(p, "name"), "missing");
        }
        macro.name = expectString(m["name"], at(p, "name"));
        checkMacroName(macro.name, at(p, "name"));
        for (const ProfileMacro& earlier : profile.macros) {
            if (sameIniName(earlier.name, macro.name)) {
                fail(at(p, "name"), "a second macro named " + inQuotes(macro.name));
            }
        }
        ifPresent(m, p, "repeat", [&](const Json& v, const std::string& q) {
            macro.repeats = static_cast<std::uint16_t>(expectInteger(v, q, 0, 0xFFFF));
        });
        ifPresent(m, p, "lines", [&](const Json& v, const std::string& q) {
            if (!v.is_array()) {
                fail(q, "must be an array");
            }
            for (std::size_t n = 0; n < v.size(); ++n) {
                const std::string lp = at(q, n);
                macro.lines.push_back(expectString(v[n], lp));
                checkMacroLine(macro.lines.back(), lp);
            }
        });
        profile.macros.push_back(std::move(macro));
    }
}

void readBase(const Json& root, MouseConfig& config) {
    config = factoryConfig();
    ifPresent(root, "", "record", [&](const Json& v, const std::string& p) {
        const auto bytes = bytesOfHex(expectString(v, p));
        if (!bytes || bytes->size() != sizeof(MouseConfig)) {
            fail(p, "must be the " + std::to_string(sizeof(MouseConfig)) + " bytes of the record in hex");
        }
        std::memcpy(&config, bytes->data(), sizeof(MouseConfig));
    });
}

void readVersion(const Json& root) {
    if (!root.contains("format")) {
        fail("format", "missing: this is not a profile");
    }
    if (expectString(root["format"], "format") != kProfileFormatName) {
        fail("format", "not a profile of this program: " + inQuotes(root["format"].get_ref<const std::string&>()));
    }
    if (!root.contains("version")) {
        fail("version", "missing");
    }
    const Json& v = root["version"];
    if (!v.is_number_integer() || v.get<long long>() < 1) {
        fail("version", "must be a whole number from 1");
    }
    if (v.is_number_unsigned() ? v.get<std::uint64_t>() > kProfileFormatVersion
                               : v.get<long long>() > kProfileFormatVersion) {
        fail("version", "the profile is of format version " + v.dump() + ", newer than this program reads (" +
                            std::to_string(kProfileFormatVersion) + "); use a newer q417");
    }
}

void readSettings(const Json& root, MouseConfig& config) {
    ifPresent(root, "", "keyMode", [&](const Json& v, const std::string& p) {
        const std::string& mode = expectString(v, p);
        if (mode != "A" && mode != "B") {
            fail(p, "must be \"A\" or \"B\"");
        }
        config.activeMode = mode == "A" ? 0 : 1;
    });
    ifPresent(root, "", "reportRate", [&](const Json& v, const std::string& p) {
        const auto rate = v.is_number_integer() ? reportRateOfHz(v.get<long long>()) : std::nullopt;
        if (!rate) {
            fail(p, "must be 1000, 500, 250 or 125");
        }
        config.reportRate = *rate;
    });
    ifPresent(root, "", "dpiStages", [&](const Json& v, const std::string& p) {
        expectArray(v, p, kDpiStageCount, kDpiStageCount);
        for (std::size_t s = 0; s < kDpiStageCount; ++s) {
            const std::string sp = at(p, s);
            expectObject(v[s], sp, {"level", "enabled", "colour"});
            ifPresent(v[s], sp, "level",
                      [&](const Json& x, const std::string& q) { config.dpiLevel[s] = expectByte(x, q); });
            ifPresent(v[s], sp, "enabled", [&](const Json& x, const std::string& q) {
                config.dpiStageEnabled[s] = expectBool(x, q) ? 1 : 0;
            });
            ifPresent(v[s], sp, "colour", [&](const Json& x, const std::string& q) {
                const std::string& text = expectString(x, q);
                const auto rgb =
                    text.size() == 7 && text[0] == '#' ? bytesOfHex(std::string_view(text).substr(1)) : std::nullopt;
                if (!rgb) {
                    fail(q, "must be a colour \"#rrggbb\", not " + inQuotes(text));
                }
                std::memcpy(config.dpiColor[s].data(), rgb->data(), 3);
            });
        }
    });
    ifPresent(root, "", "lighting", [&](const Json& v, const std::string& p) {
        expectObject(v, p, {"mode", "levels", "option2", "option3"});
        ifPresent(v, p, "mode", [&](const Json& x, const std::string& q) {
            const auto mode = lightingOfWord(expectString(x, q));
            if (!mode) {
                fail(q, "must be \"off\", \"standard\", \"respiration\" or \"neon\"");
            }
            config.ledMode = *mode;
        });
        ifPresent(v, p, "levels", [&](const Json& x, const std::string& q) {
            expectArray(x, q, 3, 3);
            for (std::size_t i = 0; i < 3; ++i) {
                config.ledLevel[i] = expectByte(x[i], at(q, i));
            }
        });
        ifPresent(v, p, "option2", [&](const Json& x, const std::string& q) { config.ledOption2 = expectByte(x, q); });
        ifPresent(v, p, "option3", [&](const Json& x, const std::string& q) { config.ledOption3 = expectByte(x, q); });
    });
    ifPresent(root, "", "pointer", [&](const Json& v, const std::string& p) {
        expectObject(v, p, {"enhancePrecision", "scrollOneScreen", "speed", "wheelLines", "doubleClick"});
        ifPresent(v, p, "enhancePrecision", [&](const Json& x, const std::string& q) {
            config.enhancePointerPrecision = expectBool(x, q) ? 1 : 0;
        });
        ifPresent(v, p, "scrollOneScreen",
                  [&](const Json& x, const std::string& q) { config.scrollOneScreen = expectBool(x, q) ? 1 : 0; });
        ifPresent(v, p, "speed",
                  [&](const Json& x, const std::string& q) { config.pointerSpeedLevel = expectByte(x, q, 1, 11); });
        ifPresent(v, p, "wheelLines",
                  [&](const Json& x, const std::string& q) { config.wheelScrollLines = expectByte(x, q); });
        ifPresent(v, p, "doubleClick",
                  [&](const Json& x, const std::string& q) { config.doubleClickLevel = expectByte(x, q); });
    });
}

void readLabels(const Json& value, const std::string& path, ProfileData& profile) {
    expectObject(value, path, {"English", "CHS", "CHT", "SPAN"});
    for (std::size_t lang = 0; lang < kLanguageCount; ++lang) {
        ifPresent(value, path, std::string(languageWord(static_cast<Language>(lang))).c_str(),
                  [&](const Json& v, const std::string& p) {
                      expectObject(v, p, {"A", "B"});
                      for (std::size_t mode = 0; mode < kModeCount; ++mode) {
                          ifPresent(v, p, mode == 0 ? "A" : "B", [&](const Json& list, const std::string& q) {
                              expectArray(list, q, kButtonCount, kButtonCount);
                              for (std::size_t b = 0; b < kButtonCount; ++b) {
                                  profile.labels[lang][mode][b] = expectString(list[b], at(q, b));
                              }
                          });
                      }
                  });
    }
}

// The slots of the macros, from their lines as the library compiles them, with their repeat counts.
void compileMacros(ProfileData& profile) {
    for (std::size_t i = 0; i < profile.macros.size() && i < kMacroSlotCount; ++i) {
        const ProfileMacro& macro = profile.macros[i];
        MacroSlot& slot = profile.config.macroSlots[i];
        if (macro.lines.empty()) {
            slot = MacroSlot{};
        } else {
            MacroLines lines;
            for (std::size_t n = 0; n < macro.lines.size(); ++n) {
                lines[static_cast<long long>(n)] = macro.lines[n];
            }
            encodeMacroEvents(lines, static_cast<long long>(macro.lines.size()), slot);
        }
        slot.setRepeats(macro.repeats);
    }
}

ProfileData readRoot(const Json& root) {
    expectObject(root, "",
                 {"format", "version", "keyMode", "reportRate", "banks", "dpiStages", "lighting", "pointer", "macros",
                  "labels", "record"});
    readVersion(root);
    ProfileData profile;
    readBase(root, profile.config);
    ifPresent(root, "", "macros", [&](const Json& v, const std::string& p) { readMacros(v, p, profile); });
    readSettings(root, profile.config);
    ifPresent(root, "", "banks", [&](const Json& v, const std::string& p) {
        expectObject(v, p, {"A", "B"});
        for (std::size_t mode = 0; mode < kModeCount; ++mode) {
            ifPresent(v, p, mode == 0 ? "A" : "B", [&](const Json& list, const std::string& q) {
                expectArray(list, q, kButtonCount, kButtonCount);
                for (std::size_t b = 0; b < kButtonCount; ++b) {
                    readButton(list[b], at(q, b), profile, mode, b);
                }
            });
        }
    });
    ifPresent(root, "", "labels", [&](const Json& v, const std::string& p) { readLabels(v, p, profile); });
    compileMacros(profile);
    return profile;
}

} // namespace

ProfileParse readProfileJson(std::string_view text) {
    ProfileParse result;
    try {
        const Json root = Json::parse(text);
        result.profile = readRoot(root);
    } catch (const Json::parse_error& e) {
        result.status =
            Status::failure(ErrorKind::DataFile, "(file): not valid JSON, the text breaks off or goes wrong at byte " +
                                                     std::to_string(e.byte));
    } catch (const Fault& fault) {
        result.status = Status::failure(ErrorKind::DataFile, fault.path + ": " + fault.what);
    } catch (const std::exception& e) {
        result.status = Status::failure(ErrorKind::DataFile, std::string("(file): ") + e.what());
    }
    if (!result.status.ok()) {
        result.profile = ProfileData{};
    }
    return result;
}

} // namespace q417
