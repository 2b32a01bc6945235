#include "pages/lighting_rules.h"

#include "texts/main_window_texts.h"

#include <array>

namespace q417 {

namespace {

constexpr std::array<TextId, 4> kModeTexts{TextId::LedOff, TextId::LedStandard, TextId::LedRespiration,
                                           TextId::LedNeon};
constexpr std::array<TextId, 4> kEffectTexts{TextId::DpiNoDisplay, TextId::RgbEffect, TextId::RgbFlash,
                                             TextId::RgbFixedOn};
constexpr std::array<std::string_view, 10> kBrightness{"5%",  "15%", "25%", "35%", "45%",
                                                       "55%", "65%", "75%", "85%", "100%"};
constexpr std::array<std::string_view, 5> kBreathPeriods{"8S", "7S", "6S", "5S", "4S"};
constexpr std::size_t kNeonPeriodCount = 30;

// Parameter list heights of modes 1, 2 and 3.
constexpr int kBrightnessListHeight = 173;
constexpr int kBreathListHeight = 93;
constexpr int kNeonListHeight = 203;

// What each mode's effect rows store: mode 1 has the one fixed effect, modes 2 and 3 two rows.
constexpr std::uint8_t kStandardEffect = 1;
constexpr std::uint8_t kRespirationFirstEffect = 1;
constexpr std::uint8_t kNeonFirstEffect = 2;
constexpr std::size_t kEffectRows = 2;

std::string str(std::string_view s) {
    return std::string(s);
}

} // namespace

std::string ledModeName(Language language, std::uint8_t mode) {
    return mode < kModeTexts.size() ? str(text(language, kModeTexts[mode])) : std::string{};
}

std::string ledBrightnessName(std::uint8_t level) {
    return level < kBrightness.size() ? str(kBrightness[level]) : std::string{};
}

std::string ledBreathPeriodName(std::uint8_t level) {
    return level < kBreathPeriods.size() ? str(kBreathPeriods[level]) : std::string{};
}

std::string ledNeonPeriodName(std::uint8_t level) {
    if (level >= kNeonPeriodCount) {
        return {};
    }
    const int halves = level + 1; // row i is (i + 1) half seconds
    return std::to_string(halves / 2) + (halves % 2 != 0 ? ".5S" : "S");
}

std::string ledEffectName(Language language, std::uint8_t effect) {
    return effect < kEffectTexts.size() ? str(text(language, kEffectTexts[effect])) : std::string{};
}

bool ledModeHasFields(std::uint8_t mode) {
    return mode >= 1 && mode <= 3;
}

std::string ledParameterText(const MouseConfig& config) {
    switch (config.ledMode) {
    case 1:
        return ledBrightnessName(config.ledLevel[0]);
    case 2:
        return ledBreathPeriodName(config.ledLevel[1]);
    case 3:
        return ledNeonPeriodName(config.ledLevel[2]);
    default:
        return {};
    }
}

std::string ledEffectText(const MouseConfig& config, Language language) {
    switch (config.ledMode) {
    case 1:
        return ledEffectName(language, kStandardEffect); // Standard always shows its one effect
    case 2:
        return ledEffectName(language, config.ledOption2);
    case 3:
        return ledEffectName(language, config.ledOption3);
    default:
        return {};
    }
}

std::vector<std::string> ledModeRows(Language language) {
    return {ledModeName(language, 1), ledModeName(language, 2), ledModeName(language, 3)};
}

std::vector<std::string> ledParameterRows(std::uint8_t mode) {
    std::vector<std::string> rows;
    if (mode == 1) {
        for (std::string_view row : kBrightness) {
            rows.emplace_back(row);
        }
    } else if (mode == 2) {
        for (std::string_view row : kBreathPeriods) {
            rows.emplace_back(row);
        }
    } else {
        for (std::size_t i = 0; i < kNeonPeriodCount; ++i) {
            rows.push_back(ledNeonPeriodName(static_cast<std::uint8_t>(i)));
        }
    }
    return rows;
}

int ledParameterListHeight(std::uint8_t mode) {
    return mode == 1 ? kBrightnessListHeight : mode == 2 ? kBreathListHeight : kNeonListHeight;
}

std::vector<std::string> ledEffectRows(Language language, std::uint8_t mode) {
    const std::uint8_t first = mode == 2 ? kRespirationFirstEffect : mode == 3 ? kNeonFirstEffect : 0;
    if (first == 0) {
        return {};
    }
    return {ledEffectName(language, first), ledEffectName(language, static_cast<std::uint8_t>(first + 1))};
}

void chooseLedMode(MouseConfig& config, std::size_t row) {
    if (row < 3) {
        config.ledMode = static_cast<std::uint8_t>(row + 1);
    }
}

void chooseLedParameter(MouseConfig& config, std::size_t row) {
    if (row >= ledParameterRows(config.ledMode).size() || !ledModeHasFields(config.ledMode)) {
        return; // any other mode stores nothing
    }
    config.ledLevel[config.ledMode - 1U] = static_cast<std::uint8_t>(row);
}

void chooseLedEffect(MouseConfig& config, std::size_t row) {
    if (config.ledMode == 1) {
        config.ledOption1 = kStandardEffect;
    } else if (config.ledMode == 2 && row < kEffectRows) {
        config.ledOption2 = static_cast<std::uint8_t>(kRespirationFirstEffect + row);
    } else if (config.ledMode == 3 && row < kEffectRows) {
        config.ledOption3 = static_cast<std::uint8_t>(kNeonFirstEffect + row);
    }
}

} // namespace q417
