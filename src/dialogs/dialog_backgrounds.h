#pragma once

#include "skin/skin_files.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace q417 {

// The eight skinned dialogs.
enum class SkinnedDialogKind : std::uint8_t {
    SingleKey,
    WindowsKey,
    MediaKey,
    FireKey,
    MacroKey,
    ComboKey,
    DelayTime,
    Skins
};

// A dialog's background image and the caption of the "error" message shown when it cannot be
// loaded.
struct DialogBackground {
    SkinnedDialogKind kind;
    std::string_view image;
    std::string_view failureCaption;
};

inline constexpr std::array<DialogBackground, 8> kDialogBackgrounds{{
    {SkinnedDialogKind::SingleKey, skin::kSingleKeyDialog, "Single Key Dialog Load background image failed!!!"},
    {SkinnedDialogKind::WindowsKey, skin::kWindowsKeyDialog, "Windows Dialog Load background image failed!!!"},
    {SkinnedDialogKind::MediaKey, skin::kMediaKeyDialog, "Media Dialog Load background image failed!!!"},
    {SkinnedDialogKind::FireKey, skin::kFireKeyDialog, "FireKey Dialog Load background image failed!!!"},
    {SkinnedDialogKind::MacroKey, skin::kMacroKeyDialog, "Macro Key Dialog Load background image failed!!!"},
    {SkinnedDialogKind::ComboKey, skin::kComboKeyDialog, "Combo Dialog Load background image failed!!!"},
    {SkinnedDialogKind::DelayTime, skin::kDelayTimeDialog, "DelayTime Dialog Load background image failed!!!"},
    {SkinnedDialogKind::Skins, skin::kSkinsDialog, "Skins Dialog Load background image failed!!!"},
}};

// The row of `kind`; a value outside the enum reads as the skins dialog's.
[[nodiscard]] constexpr const DialogBackground& dialogBackground(SkinnedDialogKind kind) {
    for (const DialogBackground& entry : kDialogBackgrounds) {
        if (entry.kind == kind) {
            return entry;
        }
    }
    return kDialogBackgrounds.back();
}

} // namespace q417
