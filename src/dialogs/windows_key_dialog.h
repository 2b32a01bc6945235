#pragma once

#include "assign/dialog_choice.h"
#include "dialogs/consumer_key_dialog.h"

namespace q417 {

// Gives a mouse button one of the eleven application-launch and browser keys ("Windows").
class WindowsKeyDialog : public ConsumerKeyDialog {
public:
    WindowsKeyDialog(const DialogHost& host, MessageSink& messages)
        : ConsumerKeyDialog(host, kWindowsKeyLayout, messages) {}

    [[nodiscard]] WindowsKeyChoice choice() const { return {.row = row(), .text = rowName().toStdString()}; }
};

} // namespace q417
