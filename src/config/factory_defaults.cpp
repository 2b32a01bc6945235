#include "config/factory_defaults.h"

namespace q417 {

MouseConfig factoryConfig() {
    MouseConfig config{};
    resetKeyAssignments(config);
    resetSystemMouseSettings(config);
    resetDpiLevelsForSensor(config, 0);
    config.reportRate = 1;
    config.dpiStageEnabled = {1, 1, 1, 1};
    config.dpiColor = {{{0xFF, 0x20, 0x20}, {0x20, 0xFF, 0x40}, {0x20, 0x60, 0xFF}, {0xFF, 0xC0, 0x00}}};
    config.ledMode = 1;
    config.ledLevel = {5, 2, 15};
    config.ledOption1 = 1;
    config.ledOption2 = 1;
    config.ledOption3 = 2;
    return config;
}

std::string factoryUiSettingsText() {
    return "[Skins]\n"
           "Lan=EN\n"
           "RColor=230\n"
           "GColor=230\n"
           "BColor=230\n"
           "Path=Default\n";
}

} // namespace q417
