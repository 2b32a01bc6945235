#include "app/configurator.h"

#include "config/system_pointer.h"
#include "platform/data_folder_lock.h"
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
    ApplyOutcome outcome = applyConfig(config_, device_.image(), device_.transport(), configFile_, [this] {
        if (profileLabels_) {
            // A loaded profile's other languages; the shown one may have been edited since.
            (*profileLabels_)[static_cast<std::size_t>(ui_.language)] = ui_.labels;
            const DataFolderLock lock(paths_.dir());
            if (Status s = lock.status().ok() ? saveProfileLabels(paths_, *profileLabels_) : lock.status(); !s.ok()) {
                messages_.showMessage(s.message, "error");
            }
            return;
        }
        writeButtonLabels(uiSettingsFile_, ui_.language, ui_.labels);
    });
    savedConfig_ = config_;
    profileLabels_.reset();
    recordBeforeProfile_.reset();
    applySystemMouseSettings(pointer_, messages_, config_);
    return outcome;
}

void Configurator::cancel() {
    config_ = savedConfig_;
    cancelPending_ = true;
    profileLabels_.reset();
    if (recordBeforeProfile_) {
        const DataFolderLock lock(paths_.dir());
        if (Status s = lock.status().ok() ? restoreFile(*recordBeforeProfile_) : lock.status(); !s.ok()) {
            messages_.showMessage(s.message, "error");
        }
        recordBeforeProfile_.reset();
    }
}

Status Configurator::loadProfile(const ProfileData& profile) {
    const DataFolderLock lock(paths_.dir());
    if (!lock.status().ok()) {
        return lock.status();
    }
    FileSnapshot before;
    if (Status s = saveProfileMacros(paths_, profile.macros, before); !s.ok()) {
        return s;
    }
    if (!recordBeforeProfile_) {
        recordBeforeProfile_ = std::move(before);
    }
    config_ = profile.config;
    profileLabels_ = profile.labels;
    ui_.labels = profile.labels[static_cast<std::size_t>(ui_.language)];
    // The labels shown are the profile's now: a show from the tray must not read str.ini's back.
    cancelPending_ = false;
    return Status::success();
}

Status Configurator::shownProfile(ProfileData& profile) const {
    if (Status s = loadProfileAround(paths_, config_, profile); !s.ok()) {
        return s;
    }
    if (profileLabels_) {
        profile.labels = *profileLabels_;
    }
    profile.labels[static_cast<std::size_t>(ui_.language)] = ui_.labels;
    return Status::success();
}

void Configurator::setSkin(std::string skinName, std::array<std::uint8_t, 3> textColour) {
    ui_.skinName = std::move(skinName);
    ui_.textColour = textColour;
    writeSkinSettings(uiSettingsFile_, ui_.textColour, ui_.skinName);
}

} // namespace q417
