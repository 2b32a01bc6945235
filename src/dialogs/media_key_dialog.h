#pragma once

#include "assign/dialog_choice.h"
#include "dialogs/consumer_key_dialog.h"

namespace q417 {

// Gives a mouse button one of the seven media keys ("Multimedia").
class MediaKeyDialog : public ConsumerKeyDialog {
public:
    MediaKeyDialog(const DialogHost& host, MessageSink& messages)
        : ConsumerKeyDialog(host, kMediaKeyLayout, messages) {}

    [[nodiscard]] MediaKeyChoice choice() const { return {.row = row(), .text = rowName().toStdString()}; }
};

} // namespace q417
