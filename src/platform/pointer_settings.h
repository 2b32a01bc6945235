#pragma once

#include "config/mouse_config.h"

namespace q417 {

// The system's pointer settings (speed and precision, wheel lines, double-click time), written
// from the advanced page's levels on OK and Apply.
class PointerSettings {
public:
    virtual ~PointerSettings() = default;
    virtual void applySystemMouseSettings(const MouseConfig& config) = 0;
};

// For a desktop whose pointer settings the program cannot reach: changes nothing.
class NoPointerSettings final : public PointerSettings {
public:
    void applySystemMouseSettings(const MouseConfig&) override {}
};

} // namespace q417
