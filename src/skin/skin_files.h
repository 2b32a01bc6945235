#pragma once

#include <array>
#include <string_view>

// The images every skin folder holds. Each name begins with "/" and is joined to the skin folder as
// text (skin/skin_paths.h).
namespace q417::skin {

// Backgrounds of the main window and its two pages.
inline constexpr std::string_view kMainBackground = "/main.png";
inline constexpr std::string_view kBasicPage = "/BasicSet2.png";
inline constexpr std::string_view kAdvancedPage = "/AdvancedSet2.png";

// Backgrounds of the skinned dialogs.
inline constexpr std::string_view kComboKeyDialog = "/combo-key.png";
inline constexpr std::string_view kDelayTimeDialog = "/delay-time.png";
inline constexpr std::string_view kFireKeyDialog = "/fire-key.png";
inline constexpr std::string_view kMacroKeyDialog = "/macro-key.png";
inline constexpr std::string_view kMediaKeyDialog = "/media-key.png";
inline constexpr std::string_view kSingleKeyDialog = "/single-key.png";
inline constexpr std::string_view kSkinsDialog = "/skins.png";
inline constexpr std::string_view kWindowsKeyDialog = "/windows-key.png";

// Buttons, each with its look under the pointer.
inline constexpr std::string_view kButtonNormal = "/button-normal.png";
inline constexpr std::string_view kButtonOver = "/button-over.png";
inline constexpr std::string_view kCloseNormal = "/button-close-normal.png";
inline constexpr std::string_view kCloseOver = "/button-close-over.png";
inline constexpr std::string_view kMinimiseNormal = "/button-min-normal.png";
inline constexpr std::string_view kMinimiseOver = "/button-min-over.png";
inline constexpr std::string_view kSkinsNormal = "/button-Skins-normal.png";
inline constexpr std::string_view kSkinsOver = "/button-Skins-over.png";
inline constexpr std::string_view kPreviousPageNormal = "/button-PrePage-normal.png";
inline constexpr std::string_view kPreviousPageOver = "/button-PrePage-over.png";
inline constexpr std::string_view kNextPageNormal = "/button-NextPage-normal.png";
inline constexpr std::string_view kNextPageOver = "/button-NextPage-over.png";
inline constexpr std::string_view kDropdownNormal = "/DropdownBox-normal.png";
inline constexpr std::string_view kDropdownOver = "/DropdownBox-over.png";

// Slider cells, lit and unlit: DPI levels, report rate, and the system pointer rows.
inline constexpr std::string_view kDpiCellLight = "/slider-DPI-light.png";
inline constexpr std::string_view kDpiCellDark = "/slider-DPI-dark.png";
inline constexpr std::string_view kRateCellLight = "/slider-RP-light.png";
inline constexpr std::string_view kRateCellDark = "/slider-RP-dark.png";
inline constexpr std::string_view kCellLight = "/slider-light.png";
inline constexpr std::string_view kCellDark = "/slider-dark.png";

// Tick boxes, empty and ticked.
inline constexpr std::string_view kPane = "/Pane.png";
inline constexpr std::string_view kPaneTicked = "/PaneMakingTick.png";

// The whole set, as a skin must ship it.
inline constexpr std::array<std::string_view, 33> kFileSet{
    kMainBackground,   kBasicPage,      kAdvancedPage,   kComboKeyDialog,  kDelayTimeDialog,
    kFireKeyDialog,    kMacroKeyDialog, kMediaKeyDialog, kSingleKeyDialog, kSkinsDialog,
    kWindowsKeyDialog, kButtonNormal,   kButtonOver,     kCloseNormal,     kCloseOver,
    kMinimiseNormal,   kMinimiseOver,   kSkinsNormal,    kSkinsOver,       kPreviousPageNormal,
    kPreviousPageOver, kNextPageNormal, kNextPageOver,   kDropdownNormal,  kDropdownOver,
    kDpiCellLight,     kDpiCellDark,    kRateCellLight,  kRateCellDark,    kCellLight,
    kCellDark,         kPane,           kPaneTicked,
};

} // namespace q417::skin
