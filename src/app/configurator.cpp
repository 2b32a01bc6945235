#include "app/configurator.h"

#include "config/system_pointer.h"
#include "platform/interrupted_saves.h"
#include "texts/button_labels.h"

#include <ctime>

namespace q417 {

Configurator::Configurator(const DataPaths& paths, MessageSink& messages, PointerSettings& pointer,
                           DeviceSession& device)
    : paths_(paths)
    , messages_(messages)
    , pointer_(pointer)
    , device_(device)
    , configFile_(paths.configFile(), messages)
    , uiSettingsFile_(paths.uiSettings()) {}

void Configurator::load() {
    removeInterruptedSaves(paths_);
    configFile_.loadOrRecover(config_, std::time(nullptr));
    savedConfig_ = config_;
    ui_ = readUiSettings(uiSettingsFile_);
}

void Configurator::rereadLabels() {
    ui_.labels = readButtonLabels(uiSettingsFile_, ui_.language);
}

void Configurator::saveLabels() {
    writeButtonLabels(uiSettingsFile_, ui_.language, ui_.labels);
}

std::optional<ApplyOutcome> Configurator::apply() {
    if (!device_.deviceReady()) {
        return std::nullopt;
    }
    // Failures to save are shown to the user by the config file itself; the mouse has its settings.
    ApplyOutcome outcome = applyConfig(config_, device_.image(), device_.transport(), configFile_,
                                       [this] { writeButtonLabels(uiSettingsFile_, ui_.language, ui_.labels); });
    savedConfig_ = config_;
    applySystemMouseSettings(pointer_, messages_, config_);
    return outcome;
}

void Configurator::cancel() {
    config_ = savedConfig_;
    cancelPending_ = true;
}

void Configurator::setSkin(std::string skinName, std::array<std::uint8_t, 3> textColour) {
    ui_.skinName = std::move(skinName);
    ui_.textColour = textColour;
    writeSkinSettings(uiSettingsFile_, ui_.textColour, ui_.skinName);
}

} // namespace q417
