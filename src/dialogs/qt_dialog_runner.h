#pragma once

#include "dialogs/dialog_runner.h"
#include "dialogs/qt_colour_picker.h"
#include "platform/evdev_key_names.h"
#include "platform/message_sink.h"

#include <filesystem>

namespace q417 {

// The real dialogs, each run modally over the main window.
class QtDialogRunner final : public DialogRunner {
public:
    // `macroFile` is the record.ini the macro-key dialog lists.
    QtDialogRunner(MessageSink& messages, std::filesystem::path macroFile)
        : messages_(messages)
        , macroFile_(std::move(macroFile)) {}

    std::optional<QColor> pickColour(QColor initial, QWidget* parent) override;
    std::optional<SkinChoice> chooseSkin(const DialogHost& host, const std::vector<std::filesystem::path>& skinRoots,
                                         const std::string& skinName) override;
    std::optional<DialogChoice> chooseAssignment(const DialogHost& host, ButtonFunction function) override;
    std::optional<std::string> chooseDelay(const DialogHost& host) override;
    // The profile dialogs are the desktop's own, not skinned.
    std::optional<std::string> chooseProfileName(const DialogHost& host) override;
    std::optional<std::filesystem::path> chooseProfileFile(const DialogHost& host, ProfileFileUse use) override;
    bool confirm(const DialogHost& host, const std::string& question) override;

private:
    MessageSink& messages_;
    std::filesystem::path macroFile_;
    QtColourPicker colours_;
    EvdevKeyNames keyNames_;
};

} // namespace q417
