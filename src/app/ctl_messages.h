#pragma once

#include "platform/message_sink.h"

#include <ostream>
#include <string>

namespace q417 {

// Messages the user must see go to stderr as one line each.
class StderrMessages : public MessageSink {
public:
    explicit StderrMessages(std::ostream& err)
        : err_(err) {}
    void showMessage(const std::string& text, const std::string& caption) override {
        std::string line = caption.empty() ? text : caption + ": " + text;
        while (!line.empty() && (line.back() == '\n' || line.back() == ' ')) {
            line.pop_back();
        }
        err_ << "q417ctl: " << line << '\n';
        shown = true;
    }
    bool shown = false;

private:
    std::ostream& err_;
};

} // namespace q417
