#pragma once

#include "config/device_image.h"
#include "config/mouse_config.h"

#include <cstdint>

namespace q417 {

// The DPI code of a level on a sensor kind. A kind above 3, or a level outside its kind's row,
// has no code and gives 0.
std::uint8_t dpiCode(std::uint8_t sensorKind, std::uint8_t level);

// How many levels a sensor kind offers (12 for kind 0, 8 for kinds 1 to 3, 0 otherwise).
std::size_t dpiLevelCount(std::uint8_t sensorKind);

// The key-matrix slot of button 0..9.
std::size_t matrixSlotOfButton(std::size_t button);

// Lighting mode and options into the effect block and LED parameter entry 0; bytes the mode
// does not set keep what the reads put there.
void encodeLighting(const MouseConfig& config, DeviceImage& image);

// Configuration block 1: the four stage colours, then zeros. Block 0 is left as read.
void encodeColours(const MouseConfig& config, DeviceImage& image);

// The four stage codes (bit 0x80 marks a stage switched off), four 0x80 bytes, stage count 4.
void encodeDpiStages(const MouseConfig& config, DeviceImage& image);

// Matrix 1 from the edited mode, matrix 3 from Mode B, the two fixed words in slots 14 and 15.
// Matrices 2 and 4 are not touched.
void encodeKeyMatrices(const MouseConfig& config, DeviceImage& image);

} // namespace q417
