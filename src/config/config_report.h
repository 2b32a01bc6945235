#pragma once

#include "config/mouse_config.h"

#include <cstdint>
#include <string>

namespace q417 {

// The record in readable form, one "name: value" line per field; per button, its function and the
// parameters that function uses, in both modes.
std::string describeConfig(const MouseConfig& config, std::uint8_t firstRunFlag);

} // namespace q417
