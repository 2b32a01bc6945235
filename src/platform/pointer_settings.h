#pragma once

#include <cstdint>

namespace q417 {

// The advanced page's levels of the system pointer, as the settings record keeps them.
struct PointerLevels {
    std::uint8_t enhancePointerPrecision = 0; // 1 = on
    std::uint8_t scrollOneScreen = 0;         // 1 = one screen per notch
    std::uint8_t pointerSpeedLevel = 0;       // 1..11
    std::uint8_t wheelScrollLines = 0;
    std::uint8_t doubleClickLevel = 0;
};

// The system's pointer settings (speed and precision, wheel lines, double-click time), written
// from the advanced page's levels on OK and Apply.
class PointerSettings {
public:
    virtual ~PointerSettings() = default;
    virtual void applySystemMouseSettings(const PointerLevels& levels) = 0;
};

// For a desktop whose pointer settings the program cannot reach: changes nothing.
class NoPointerSettings final : public PointerSettings {
public:
    void applySystemMouseSettings(const PointerLevels&) override {}
};

} // namespace q417
