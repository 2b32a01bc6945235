#include "platform/kde_pointer_settings.h"

#include "platform/atomic_file.h"
#include "platform/ini_file.h"
#include "platform/libinput_speed.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <optional>
#include <string>

namespace q417 {

namespace {

struct Key {
    const char* file;
    const char* group;
    const char* name;
};

constexpr Key kAcceleration{"kcminputrc", "Mouse", "XLbInptPointerAcceleration"};
constexpr Key kProfileFlat{"kcminputrc", "Mouse", "XLbInptAccelProfileFlat"};
constexpr Key kWheelLines{"kdeglobals", "KDE", "WheelScrollLines"};
constexpr Key kDoubleClick{"kdeglobals", "KDE", "DoubleClickInterval"};

// Plasma's own defaults for keys nobody has written yet.
constexpr double kDefaultAcceleration = 0.0;
constexpr bool kDefaultProfileFlat = false;
constexpr int kDefaultWheelLines = 3;
constexpr int kDefaultDoubleClickMs = 400;

std::string lowered(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

// Plasma's truth values: true, on, yes or a non-zero number; anything else it does not know
// leaves the default.
bool kdeBool(const std::string& text, bool fallback) {
    const std::string word = lowered(text);
    if (word == "true" || word == "on" || word == "yes") {
        return true;
    }
    if (word == "false" || word == "off" || word == "no") {
        return false;
    }
    int number = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), number);
    return error == std::errc{} && end == word.data() + word.size() ? number != 0 : fallback;
}

// A number written as Plasma writes it, whatever the locale of this program.
double kdeDouble(const std::string& text, double fallback) {
    double value = 0.0;
    const char* begin = text.data();
    if (!text.empty() && text.front() == '+') {
        ++begin;
    }
    const auto [end, error] = std::from_chars(begin, text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size() ? value : fallback;
}

int kdeInt(const std::string& text, int fallback) {
    return text.empty() ? fallback : leadingInt(text);
}

std::string doubleText(double value) {
    std::array<char, 32> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return error == std::errc{} ? std::string(buffer.data(), end) : std::string("0");
}

template <typename T> SettingRead<T> done(T value) {
    return {SettingOutcome::Done, value};
}

// The key's text, empty when the file or key is missing; nothing when the file cannot be read.
std::optional<std::string> readKey(const std::filesystem::path& configHome, const Key& key) {
    const std::filesystem::path path = configHome / key.file;
    std::string bytes;
    const Status readable = readWholeFile(path, bytes, IniFile::kMaxFileBytes);
    if (!readable.ok() && readable.systemError != ENOENT && readable.systemError != ENOTDIR) {
        return std::nullopt;
    }
    return IniFile(path).readString(key.group, key.name);
}

SettingOutcome writeKey(const std::filesystem::path& configHome, KdeConfigNotifier& notifier, const Key& key,
                        const std::string& value) {
    std::error_code ec;
    std::filesystem::create_directories(configHome, ec); // a fresh account may not have it yet
    IniFile file(configHome / key.file);
    if (!file.writeString(key.group, key.name, value).ok()) {
        return SettingOutcome::Failed;
    }
    notifier.configChanged(key.file, key.group, {key.name});
    return SettingOutcome::Done;
}

} // namespace

KdePointerSettings::KdePointerSettings(std::filesystem::path configHome, std::unique_ptr<KdeConfigNotifier> notifier)
    : configHome_(std::move(configHome))
    , notifier_(notifier != nullptr ? std::move(notifier) : std::make_unique<DbusKdeConfigNotifier>()) {}

SettingRead<bool> KdePointerSettings::readPrecision() {
    const std::optional<std::string> flat = readKey(configHome_, kProfileFlat);
    if (!flat) {
        return {SettingOutcome::Failed, false};
    }
    return done(!kdeBool(*flat, kDefaultProfileFlat));
}

SettingRead<int> KdePointerSettings::readSpeed() {
    const std::optional<std::string> acceleration = readKey(configHome_, kAcceleration);
    if (!acceleration) {
        return {SettingOutcome::Failed, 0};
    }
    return done(systemSpeedFromLibinput(kdeDouble(*acceleration, kDefaultAcceleration)));
}

SettingRead<int> KdePointerSettings::readWheelLines() {
    const std::optional<std::string> lines = readKey(configHome_, kWheelLines);
    if (!lines) {
        return {SettingOutcome::Failed, 0};
    }
    return done(kdeInt(*lines, kDefaultWheelLines));
}

SettingRead<int> KdePointerSettings::readDoubleClickTimeMs() {
    const std::optional<std::string> ms = readKey(configHome_, kDoubleClick);
    if (!ms) {
        return {SettingOutcome::Failed, 0};
    }
    return done(kdeInt(*ms, kDefaultDoubleClickMs));
}

SettingOutcome KdePointerSettings::writePrecision(bool on) {
    return writeKey(configHome_, *notifier_, kProfileFlat, on ? "false" : "true");
}

SettingOutcome KdePointerSettings::writeSpeed(int speed) {
    return writeKey(configHome_, *notifier_, kAcceleration, doubleText(libinputSpeedFromSystem(speed)));
}

SettingOutcome KdePointerSettings::writeWheelLines(int lines) {
    if (lines == kOneScreenPerNotch) {
        return SettingOutcome::Unavailable; // Plasma scrolls by lines only
    }
    const SettingOutcome outcome = writeKey(configHome_, *notifier_, kWheelLines, std::to_string(lines));
    if (outcome == SettingOutcome::Done) {
        notifier_->globalMouseSettingsChanged();
    }
    return outcome;
}

SettingOutcome KdePointerSettings::writeDoubleClickTimeMs(int ms) {
    const SettingOutcome outcome = writeKey(configHome_, *notifier_, kDoubleClick, std::to_string(ms));
    if (outcome == SettingOutcome::Done) {
        notifier_->globalMouseSettingsChanged();
    }
    return outcome;
}

} // namespace q417
