#pragma once

#include "dialogs/dialog_runner.h"
#include "dialogs/qt_colour_picker.h"
#include "platform/message_sink.h"

namespace q417 {

// The real dialogs, each run modally over the main window.
class QtDialogRunner final : public DialogRunner {
public:
    explicit QtDialogRunner(MessageSink& messages)
        : messages_(messages) {}

    std::optional<QColor> pickColour(QColor initial, QWidget* parent) override;
    std::optional<SkinChoice> chooseSkin(const DialogHost& host, const std::filesystem::path& skinsRoot,
                                         const std::string& skinName) override;
    // No assignment dialog exists yet: every one is answered as cancelled, so nothing is stored.
    std::optional<DialogChoice> chooseAssignment(const DialogHost& host, ButtonFunction function) override;

private:
    MessageSink& messages_;
    QtColourPicker colours_;
};

} // namespace q417
