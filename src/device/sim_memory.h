#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace q417 {

inline constexpr std::size_t kSimSensorBlockSize = 4;
inline constexpr std::size_t kSimEffectBlockSize = 3;
inline constexpr std::size_t kSimLedParamCount = 2;
inline constexpr std::size_t kSimLedParamSize = 3;
inline constexpr std::size_t kSimConfigBlockCount = 2;
inline constexpr std::size_t kSimConfigBlockSize = 24;
inline constexpr std::size_t kSimDpiStageBytes = 8;
inline constexpr std::size_t kSimKeyMatrixCount = 4;
inline constexpr std::size_t kSimKeyMatrixSize = 64; // 16 key words of 4 bytes
inline constexpr std::size_t kSimMacroSlotCount = 12;
inline constexpr std::size_t kSimMacroSlotSize = 128;

// What the simulated mouse keeps in its own memory, as the command set stores and reads it.
struct SimulatedMouseMemory {
    std::array<std::uint8_t, kSimSensorBlockSize> sensorBlock; // sensor kind, rate, option 1, option 2
    std::uint8_t reportRate;                                   // 1, 2, 4 or 8
    std::array<std::uint8_t, kSimEffectBlockSize> effectBlock; // effect, option 1, option 2
    std::array<std::array<std::uint8_t, kSimLedParamSize>, kSimLedParamCount> ledParams;
    std::array<std::array<std::uint8_t, kSimConfigBlockSize>, kSimConfigBlockCount> configBlocks;
    std::array<std::uint8_t, kSimDpiStageBytes> dpiStages;
    std::array<std::array<std::uint8_t, kSimKeyMatrixSize>, kSimKeyMatrixCount> keyMatrices; // matrices 1 to 4
    std::array<std::array<std::uint8_t, kSimMacroSlotSize>, kSimMacroSlotCount> macroSlots;  // slots 1 to 12

    bool operator==(const SimulatedMouseMemory&) const = default;
};

// The memory of a mouse fresh from the factory: sensor kind 0, standard lighting, four distinct
// stage colours, the default key matrices and empty macro slots.
[[nodiscard]] SimulatedMouseMemory factoryMouseMemory();

} // namespace q417
