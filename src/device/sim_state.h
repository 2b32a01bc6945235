#pragma once

#include "device/sim_memory.h"
#include "platform/result.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace q417 {

// The simulated mouse's memory as JSON: one optional key per memory area, each an array of
// byte values 0..255 ("reportRate" a single number):
//
//     "sensorBlock" [4], "reportRate" n, "effectBlock" [3], "ledParams" [[3],[3]],
//     "configBlocks" [[24],[24]], "dpiStages" [8], "keyMatrices" [4 arrays of 64],
//     "macroSlots" [12 arrays of 128]
//
// Unknown keys are ignored so that newer files still load.

// Replaces the areas named in `text` in `memory`. On failure (not JSON, not an object, a wrong
// type or length, a value outside 0..255) `memory` is unchanged and the status says what is
// wrong, as ErrorKind::DataFile.
Status parseSimState(std::string_view text, SimulatedMouseMemory& memory);

// Every area, in the order above, one area (or one row) per line.
std::string simStateJson(const SimulatedMouseMemory& memory);

// Factory memory with the file's areas over it. A missing file gives factory memory; a missing
// file in a folder that does not exist is a failure, for the memory could not be kept there.
Status loadSimState(const std::filesystem::path& path, SimulatedMouseMemory& memory);

// Writes every area, replacing the file atomically.
Status saveSimState(const std::filesystem::path& path, const SimulatedMouseMemory& memory);

} // namespace q417
