#pragma once

#include <string>

namespace q417 {

// Where balloons go: the tray icon's balloon, a desktop notification, or a recording in tests.
class TrayNotifier {
public:
    virtual ~TrayNotifier() = default;
    // Every balloon carries the information icon, the mouse's loss included: it is news, not a fault.
    virtual void showBalloon(const std::string& text, const std::string& title, int timeoutMs) = 0;
};

} // namespace q417
