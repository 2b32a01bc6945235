#pragma once

#include "platform/message_sink.h"

#include <string>
#include <vector>

namespace q417::test {

// Keeps every message the code under test wanted the user to see.
class RecordingMessages : public MessageSink {
public:
    struct Message {
        std::string text;
        std::string caption;
        bool operator==(const Message&) const = default;
    };
    void showMessage(const std::string& text, const std::string& caption) override {
        messages.push_back({text, caption});
    }
    std::vector<Message> messages;
};

} // namespace q417::test
