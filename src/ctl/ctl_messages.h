#pragma once

#include "platform/message_sink.h"
#include "platform/result.h"

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
        print(line);
        shown = true;
    }

    // A failure in words, naming the file or device and the reason, on a line of its own: after
    // the line a message box would show ("Config file is not exist.", "NULL ==fp: Error Code is:
    // 13"), which says neither. Nothing for a success or a line already shown.
    void explain(const Status& status) {
        if (!status.ok() && !status.message.empty() && status.message != last_) {
            print(status.message);
        }
    }

    bool shown = false;

private:
    void print(const std::string& line) {
        err_ << "q417ctl: " << line << '\n';
        last_ = line;
    }

    std::ostream& err_;
    std::string last_;
};

} // namespace q417
