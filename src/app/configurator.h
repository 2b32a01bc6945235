#pragma once

#include "app/device_session.h"
#include "config/apply_sequence.h"
#include "config/config_file.h"
#include "config/mouse_config.h"
#include "platform/data_paths.h"
#include "platform/ini_file.h"
#include "platform/pointer_settings.h"
#include "profile/profile_data.h"
#include "profile/profile_files.h"
#include "texts/key_labels.h"
#include "texts/ui_settings.h"

#include <optional>

namespace q417 {

// What the main window edits and how OK, Apply and Cancel treat it, without any widget: the
// record and the snapshot Cancel returns to, the button labels, the str.ini settings, and the
// mouse session the record is applied through.
class Configurator {
public:
    Configurator(const DataPaths& paths, MessageSink& messages, PointerSettings& pointer, DeviceSession& device);

    // Start-up: what saves killed half-way left in the data folder goes, then config.bin into the
    // record and the snapshot (a damaged config.bin is reported and kept aside, and the factory
    // settings come instead), then str.ini.
    void load();
    // The labels again as str.ini holds them now; the rest of str.ini is read once per run.
    void rereadLabels();
    // The labels into str.ini (the first run's default labels).
    void saveLabels();

    // OK and Apply: with the mouse ready, the record goes to the mouse and is saved with the
    // labels, becomes the snapshot, and the system pointer settings are applied. Returns nothing,
    // having done nothing at all, while the mouse is not ready; else what the apply left to tell:
    // the config.bin save (a failure was already shown by the config file) and the macro slots the
    // mouse did not store (nobody has told the user yet).
    std::optional<ApplyOutcome> apply();
    // Cancel: the snapshot back into the record; the page is rebuilt when the window shows again.
    // After a profile was loaded, record.ini and the labels also return to what they were.
    void cancel();

    // A profile chosen in the tray menu replaces the record and the labels as an edit would. Its
    // macros go to record.ini at once, as the macro page's own edits do, since the page and the
    // macro dialog read them there; Cancel puts the file back. Nothing reaches the mouse until OK
    // or Apply, which also write the labels of every language.
    Status loadProfile(const ProfileData& profile);
    // The setup the window shows now, applied or not, as a profile.
    Status shownProfile(ProfileData& profile) const;

    MouseConfig& config() { return config_; }
    [[nodiscard]] const MouseConfig& savedConfig() const { return savedConfig_; }
    KeyLabels& labels() { return ui_.labels; }
    [[nodiscard]] const UiSettings& ui() const { return ui_; }
    [[nodiscard]] std::uint8_t firstRunFlag() const { return configFile_.firstRunFlag(); }
    [[nodiscard]] const DataPaths& paths() const { return paths_; }
    DeviceSession& device() { return device_; }
    // The desktop's pointer settings and where their warnings go, for the advanced page.
    PointerSettings& pointer() { return pointer_; }
    MessageSink& messages() { return messages_; }

    // Set by Cancel, consumed by the next show from the tray.
    bool takeCancelPending() { return std::exchange(cancelPending_, false); }
    [[nodiscard]] bool cancelPending() const { return cancelPending_; }

    // The skins dialog confirmed: the new skin and colour become current and go to str.ini.
    void setSkin(std::string skinName, std::array<std::uint8_t, 3> textColour);

private:
    DataPaths paths_;
    MessageSink& messages_;
    PointerSettings& pointer_;
    DeviceSession& device_;
    ConfigFile configFile_;
    IniFile uiSettingsFile_;
    MouseConfig config_{};
    MouseConfig savedConfig_{};
    UiSettings ui_;
    bool cancelPending_ = false;
    // A loaded profile's labels of every language, until OK, Apply or Cancel.
    std::optional<std::array<KeyLabels, kLanguageCount>> profileLabels_;
    // record.ini as it was before the first profile loaded since the last OK, Apply or Cancel.
    std::optional<FileSnapshot> recordBeforeProfile_;
};

} // namespace q417
