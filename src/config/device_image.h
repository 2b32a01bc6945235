#pragma once

#include "config/mouse_config.h"

#include <array>
#include <cstdint>

namespace q417 {

inline constexpr std::size_t kKeyMatrixCount = 4;
inline constexpr std::size_t kKeyMatrixSlots = 16;
inline constexpr std::size_t kConfigBlockSize = 24;

using KeyMatrix = std::array<std::uint8_t, kKeyMatrixSlots * 4>; // 16 key words of 4 bytes

// The program's copy of the mouse-side blocks. The blocks it reads back before writing carry the
// bytes the program does not manage through an apply unchanged. Never saved to disk.
struct DeviceImage {
    std::array<std::uint8_t, 4> sensorBlock{}; // sensor kind, rate, option 1, option 2
    std::uint8_t sensorKind = 0;               // selects the DPI code table
    std::array<std::uint8_t, 3> effectBlock{}; // effect, option 1, option 2
    std::array<std::array<std::uint8_t, 3>, 2> ledParams{};
    std::array<std::array<std::uint8_t, kConfigBlockSize>, 2> configBlocks{};
    std::array<std::uint8_t, 8> dpiStages{};
    std::uint8_t dpiStageCount = 0;
    std::array<KeyMatrix, kKeyMatrixCount> keyMatrices{};
    std::array<MacroSlot, kMacroSlotCount> macroBuffer{};
};

static_assert(sizeof(KeyMatrix) == 64 && sizeof(DeviceImage::macroBuffer) == std::size_t{12} * 128);

} // namespace q417
