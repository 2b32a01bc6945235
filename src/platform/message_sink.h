#pragma once

#include <string>

namespace q417 {

// Where the user is told what they must know: a modal message box in the tray program,
// stderr in the command line tool, a recording in tests.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    // An empty caption means the program's own title.
    virtual void showMessage(const std::string& text, const std::string& caption) = 0;
};

} // namespace q417
