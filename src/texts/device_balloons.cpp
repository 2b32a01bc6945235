#include "texts/device_balloons.h"

#include "texts/dpi_value_names.h"
#include "texts/localised_text.h"
#include "texts/main_window_texts.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace q417 {

namespace {

enum class ValueMatch : std::uint8_t { Exact, NonZero, Any };
enum class Suffix : std::uint8_t { None, StageDpiValue, Decimal };

struct BalloonRule {
    DeviceStatusCode code;
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
    {DeviceStatusCode::ReportRateSwitched, ValueMatch::Exact, 1, TextId::Rate1000, Suffix::None, kInfo, kEventMs},
    {DeviceStatusCode::ReportRateSwitched, ValueMatch::Exact, 2, TextId::Rate500, Suffix::None, kInfo, kEventMs},
    {DeviceStatusCode::ReportRateSwitched, ValueMatch::Exact, 4, TextId::Rate250, Suffix::None, kInfo, kEventMs},
    {DeviceStatusCode::ReportRateSwitched, ValueMatch::Exact, 8, TextId::Rate125, Suffix::None, kInfo, kEventMs},
    {DeviceStatusCode::DpiStageSwitched, ValueMatch::Exact, 1, TextId::DpiStage1, Suffix::StageDpiValue, kInfo,
     kEventMs},
    {DeviceStatusCode::DpiStageSwitched, ValueMatch::Exact, 2, TextId::DpiStage2, Suffix::StageDpiValue, kInfo,
     kEventMs},
    {DeviceStatusCode::DpiStageSwitched, ValueMatch::Exact, 3, TextId::DpiStage3, Suffix::StageDpiValue, kInfo,
     kEventMs},
    {DeviceStatusCode::DpiStageSwitched, ValueMatch::Exact, 4, TextId::DpiStage4, Suffix::StageDpiValue, kInfo,
     kEventMs},
    {DeviceStatusCode::KeyMatrixSwitched, ValueMatch::Exact, 1, TextId::KeyMatrix1, Suffix::None, kInfo, kEventMs},
    {DeviceStatusCode::KeyMatrixSwitched, ValueMatch::Exact, 2, TextId::KeyMatrix2, Suffix::None, kInfo, kEventMs},
    {DeviceStatusCode::MacroSwitched, ValueMatch::NonZero, 0, TextId::MacroSwitch, Suffix::Decimal, kInfo, kEventMs},
    {DeviceStatusCode::MouseDetected, ValueMatch::Any, 0, TextId::MouseDetected, Suffix::None, kInfo, kLinkMs},
    {DeviceStatusCode::MouseNotDetected, ValueMatch::Any, 0, TextId::MouseNotDetected, Suffix::None, kWarning, kLinkMs},
});

constexpr bool matches(const BalloonRule& rule, DeviceStatusCode code, int value) {
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
        return stage < kDpiStageCount ? dpiValueName(sensorKind, config.dpiLevel[stage]) : std::string{};
    }
    case Suffix::Decimal:
        return std::to_string(value);
    }
    return {};
}

} // namespace

std::optional<Balloon> balloonFor(DeviceStatusCode code, int value, Language language, const MouseConfig& config,
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

namespace {

constexpr LocalisedText kSlotsNotStored{
    .chs = "鼠标没有保存这些宏位置：",
    .cht = "滑鼠沒有儲存這些巨集位置：",
    .span = "El raton no guardo estas posiciones de macro: ",
    .english = "The mouse did not store these macro slots: ",
};

} // namespace

std::optional<Balloon> macroSlotsNotStoredBalloon(const std::vector<unsigned>& slots, Language language) {
    if (slots.empty()) {
        return std::nullopt;
    }
    std::string text(kSlotsNotStored.in(language));
    for (std::size_t i = 0; i < slots.size(); ++i) {
        text += (i == 0 ? "" : ", ") + std::to_string(slots[i]);
    }
    return Balloon{text, "Warning", 5000};
}

} // namespace q417
