#pragma once

#include "ui/language.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace q417 {

// The texts of the main window, its pages, tray and balloons. The ids keep the names the rest of
// the program refers to them by.
enum class TextId : std::uint8_t {
    textBasicSettings,
    textAdvancedSettings,
    textColorSetting,
    textOk,
    textApply,
    textCancel,
    textKeySetting,
    textReportRateSetting,
    textDpiSetting,
    textKeyDefault,
    textKeyConfiguration1,
    textKeyConfiguration2,
    textKeyConfiguration3,
    textKeyConfiguration4,
    textLeftClick,
    textRightClick,
    textMiddleClick,
    textForward,
    textBackward,
    textTripleClick,
    textDpiSwitch,
    textReportRateSwitch,
    textShift,
    textRgbOnOff,
    textWindows,
    textMultimedia,
    textFireKey,
    textSingleKey,
    textComboKey,
    textMacroKey,
    textKeyOff,
    textLeftKeyRequired,
    textAuxLedSetting,
    textRespirationLed,
    textHeartBeatLed,
    textKeyGroupSwitchLed,
    textDpiEffect,
    textMode,
    textParameter,
    textSpeed,
    textBrightness,
    textEffect,
    textLedOff,
    textLedStandard,
    textLedRespiration,
    textLedNeon,
    textDpiNoDisplay,
    textRgbEffect,
    textRgbFlash,
    textRgbFixedOn,
    textWebAddress,
    textRate1000,
    textRate500,
    textRate250,
    textRate125,
    textDpiStage1,
    textDpiStage2,
    textDpiStage3,
    textDpiStage4,
    textKeyMatrix1,
    textKeyMatrix2,
    textKeyMatrix3,
    textKeyMatrix4,
    textMacroSwitch,
    textExit,
    textMouseNotDetected,
    textMouseDetected,
    textMouseSpeed,
    textScrollingSpeed,
    textDoubleClickSpeed,
    textEnhancePointerPrecision,
    textScrollOneScreen,
    textSystemDefault,
    textMacroSetting,
    textSelectMacro,
    textKeyPressSequence,
    textRecordOption,
    textMacroName,
    textLoopTimes,
    textInsertMouseEvent,
    textNew,
    textDelete,
    textConfirm,
    textStartRecording,
    textStopRecording,
    textMacroNameBlank,
    textMacroNameExists,
    textRecordingHint,
    textNotRecording,
};

inline constexpr std::size_t kTextIdCount = static_cast<std::size_t>(TextId::textNotRecording) + 1;

// The text of `id` in `language`, used exactly as it stands (some end in a space on purpose). A
// language value outside the enum reads as English; an id outside the enum gives empty text.
// textWebAddress is the build's web address in every language, empty when the build sets none.
[[nodiscard]] std::string_view text(Language language, TextId id);

} // namespace q417
