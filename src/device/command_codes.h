#pragma once

#include <cstdint>

// The command codes of the mouse's control collection, shared by the program and the simulated
// mouse. Bit 7 set marks a read: the mouse answers with a frame.
namespace q417::code {

inline constexpr std::uint8_t kHandshake = 0x00;
inline constexpr std::uint8_t kWriteReportRate = 0x01;
inline constexpr std::uint8_t kWriteSensorBlock = 0x03;
inline constexpr std::uint8_t kWriteLedParams = 0x07;
inline constexpr std::uint8_t kWriteEffect = 0x0D;
inline constexpr std::uint8_t kWriteConfigBlock = 0x10;
inline constexpr std::uint8_t kWriteDpiStages = 0x11;
inline constexpr std::uint8_t kWriteKeyMatrix = 0x12;
inline constexpr std::uint8_t kWriteMacroSlot = 0x13;
inline constexpr std::uint8_t kReadSensorBlock = 0x83;
inline constexpr std::uint8_t kReadLedParams = 0x87;
inline constexpr std::uint8_t kReadEffect = 0x8D;
inline constexpr std::uint8_t kReadConfigBlock = 0x90;
inline constexpr std::uint8_t kReadMacroSlot = 0x93;

} // namespace q417::code
