#include "ui/device_balloons.h"

#include "ui/dpi_value_names.h"
#include "ui/main_window_texts.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace q417 {

namespace {

enum class ValueMatch : std::uint8_t { Exact, NonZero, Any };
enum class Suffix : std::uint8_t { None, StageDpiValue, Decimal };

struct BalloonRule {
    int code;
    ValueMatch match;
    int value; // only for ValueMatch::Exact
    TextId text;
    Suffix suffix;
    std::string_view title; // the same in every language
    int timeoutMs;
};

constexpr std::string_view kInfo = "Info";
constexpr std::string_view kWarning = "Warning";

// Event reports of the mouse show for five seconds; link status only flashes.
constexpr int kEventMs = 5000;
constexpr int kLinkMs = 100;

constexpr auto kRules = std::to_array<BalloonRule>({
    {5, ValueMatch::Exact, 1, TextId::textRate1000, Suffix::None, kInfo, kEventMs},
    {5, ValueMatch::Exact, 2, TextId::textRate500, Suffix::None, kInfo, kEventMs},
    {5, ValueMatch::Exact, 4, TextId::textRate250, Suffix::None, kInfo, kEventMs},
    {5, ValueMatch::Exact, 8, TextId::textRate125, Suffix::None, kInfo, kEventMs},
    {7, ValueMatch::Exact, 1, TextId::textDpiStage1, Suffix::StageDpiValue, kInfo, kEventMs},
    {7, ValueMatch::Exact, 2, TextId::textDpiStage2, Suffix::StageDpiValue, kInfo, kEventMs},
    {7, ValueMatch::Exact, 3, TextId::textDpiStage3, Suffix::StageDpiValue, kInfo, kEventMs},
    {7, ValueMatch::Exact, 4, TextId::textDpiStage4, Suffix::StageDpiValue, kInfo, kEventMs},
    {8, ValueMatch::Exact, 1, TextId::textKeyMatrix1, Suffix::None, kInfo, kEventMs},
    {8, ValueMatch::Exact, 2, TextId::textKeyMatrix2, Suffix::None, kInfo, kEventMs},
    {9, ValueMatch::NonZero, 0, TextId::textMacroSwitch, Suffix::Decimal, kInfo, kEventMs},
    {14, ValueMatch::Any, 0, TextId::textMouseDetected, Suffix::None, kInfo, kLinkMs},
    {15, ValueMatch::Any, 0, TextId::textMouseNotDetected, Suffix::None, kWarning, kLinkMs},
});

constexpr bool matches(const BalloonRule& rule, int code, int value) {
    if (rule.code != code) {
        return false;
    }
    switch (rule.match) {
    case ValueMatch::Exact:
        return value == rule.value;
    case ValueMatch::NonZero:
        return value != 0;
    case ValueMatch::Any:
        return true;
    }
    return false;
}

std::string suffixFor(const BalloonRule& rule, int value, const MouseConfig& config, std::uint8_t sensorKind) {
    switch (rule.suffix) {
    case Suffix::None:
        return {};
    case Suffix::StageDpiValue: {
        // The rules admit only stages 1 to 4; the check keeps the index inside the record anyway.
        const auto stage = static_cast<std::size_t>(value - 1);
        return stage < kDpiStageCount ? DpiValueName(sensorKind, config.dpiLevel[stage]) : std::string{};
    }
    case Suffix::Decimal:
        return std::to_string(value);
    }
    return {};
}

} // namespace

std::optional<Balloon> balloonFor(int code, int value, Language language, const MouseConfig& config,
                                  std::uint8_t sensorKind) {
    for (const BalloonRule& rule : kRules) {
        if (matches(rule, code, value)) {
            return Balloon{
                .text = std::string(text(language, rule.text)) + suffixFor(rule, value, config, sensorKind),
                .title = std::string(rule.title),
                .timeoutMs = rule.timeoutMs,
            };
        }
    }
    return std::nullopt;
}

} // namespace q417
