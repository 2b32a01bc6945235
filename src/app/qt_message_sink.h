#pragma once

#include "platform/message_sink.h"

#include <QMessageBox>

namespace q417 {

// Messages the user must see, as modal message boxes with one OK button.
class QtMessageSink final : public MessageSink {
public:
    void showMessage(const std::string& text, const std::string& caption) override {
        QMessageBox::information(nullptr,
                                 caption.empty() ? QString("Gaming Mouse Setting") : QString::fromStdString(caption),
                                 QString::fromStdString(text));
    }
};

} // namespace q417
