#include "config/apply_sequence.h"

#include "config/device_commands.h"
#include "config/device_encoders.h"
#include "device/transport.h"

namespace q417 {

ApplyOutcome applyConfig(const MouseConfig& config, DeviceImage& image, Transport& transport, ConfigFile& configFile,
                         const std::function<void()>& saveLabels) {
    ApplyOutcome outcome;
    DeviceCommands mouse(transport, image);
    mouse.setReportRate(config.reportRate);
    mouse.readEffect();
    mouse.readLedParams();
    mouse.readConfigBlocks();
    encodeLighting(config, image);
    encodeColours(config, image);
    mouse.writeConfigBlocks();
    mouse.writeLedParams();
    mouse.writeEffect();
    encodeDpiStages(config, image);
    mouse.writeDpiStages();

    image.keyMatrices[0].fill(0);
    image.macroBuffer = config.macroSlots;
    mouse.writeMacros();
    outcome.macroSlotsNotStored = mouse.readBackMacros();
    encodeKeyMatrices(config, image);
    mouse.writeKeyMatrices();

    outcome.saved = configFile.saveConfig(config);
    if (saveLabels) {
        saveLabels();
    }
    return outcome;
}

} // namespace q417
