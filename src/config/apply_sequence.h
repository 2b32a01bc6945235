#pragma once

#include "config/config_file.h"
#include "config/device_image.h"
#include "config/mouse_config.h"

#include <functional>
#include <vector>

namespace q417 {

class Transport;

// What an apply left to tell the user.
struct ApplyOutcome {
    Status saved; // the config.bin save
    // The macro slots (1 to 12, ascending) that the mouse read back otherwise than they were
    // written, or not at all: it did not store them.
    std::vector<unsigned> macroSlotsNotStored;

    [[nodiscard]] bool ok() const { return saved.ok() && macroSlotsNotStored.empty(); }
};

// Writes every mouse-side setting of `config` in the mouse's fixed order: report rate; the
// lighting and configuration blocks read back, changed and written; DPI stages; the twelve macro
// slots, written and read back; the four key matrices. Then saves config.bin and calls
// `saveLabels` for the button captions. Nothing stops it early: a mouse that vanishes half-way
// makes the remaining commands fail quietly, and the files are saved all the same. The caller
// checks that the mouse is ready. The macro slots read back are compared with those written; no
// exchange is added for it.
ApplyOutcome applyConfig(const MouseConfig& config, DeviceImage& image, Transport& transport, ConfigFile& configFile,
                         const std::function<void()>& saveLabels);

} // namespace q417
