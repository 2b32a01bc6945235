#pragma once

#include "texts/language.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace q417 {

// The texts of the main window, its pages, tray and balloons. The ids keep the names the rest of
// the program refers to them by.
enum class TextId : std::uint8_t {
    BasicSettings,
    AdvancedSettings,
    ColorSetting,
    Ok,
    Apply,
    Cancel,
    KeySetting,
    ReportRateSetting,
    DpiSetting,
    KeyDefault,
    KeyConfiguration1,
    KeyConfiguration2,
    KeyConfiguration3,
    KeyConfiguration4,
    LeftClick,
    RightClick,
    MiddleClick,
    Forward,
    Backward,
    TripleClick,
    DpiSwitch,
    ReportRateSwitch,
    Shift,
    RgbOnOff,
    Windows,
    Multimedia,
    FireKey,
    SingleKey,
    ComboKey,
    MacroKey,
    KeyOff,
    LeftKeyRequired,
    AuxLedSetting,
    RespirationLed,
    HeartBeatLed,
    KeyGroupSwitchLed,
    DpiEffect,
    Mode,
    Parameter,
    Speed,
    Brightness,
    Effect,
    LedOff,
    LedStandard,
    LedRespiration,
    LedNeon,
    DpiNoDisplay,
    RgbEffect,
    RgbFlash,
    RgbFixedOn,
    WebAddress,
    Rate1000,
    Rate500,
    Rate250,
    Rate125,
    DpiStage1,
    DpiStage2,
    DpiStage3,
    DpiStage4,
    KeyMatrix1,
    KeyMatrix2,
    KeyMatrix3,
    KeyMatrix4,
    MacroSwitch,
    Exit,
    MouseNotDetected,
    MouseDetected,
    MouseSpeed,
    ScrollingSpeed,
    DoubleClickSpeed,
    EnhancePointerPrecision,
    ScrollOneScreen,
    SystemDefault,
    MacroSetting,
    SelectMacro,
    KeyPressSequence,
    RecordOption,
    MacroName,
    LoopTimes,
    InsertMouseEvent,
    New,
    Delete,
    Confirm,
    StartRecording,
    StopRecording,
    MacroNameBlank,
    MacroNameExists,
    RecordingHint,
    NotRecording,
};

inline constexpr std::size_t kTextIdCount = static_cast<std::size_t>(TextId::NotRecording) + 1;

// The text of `id` in `language`, used exactly as it stands (some end in a space on purpose). A
// language value outside the enum reads as English; an id outside the enum gives empty text.
// textWebAddress is the build's web address in every language, empty when the build sets none.
[[nodiscard]] std::string_view text(Language language, TextId id);

} // namespace q417
