#pragma once

#include "app/application.h"
#include "scripted_dialogs.h"
#include "support/memory_pointer_settings.h"
#include "support/recording_messages.h"
#include "support/recording_sleeper.h"

#include <string>
#include <vector>

namespace q417::test {

class IgnoreBalloons final : public TrayNotifier {
public:
    void showBalloon(const std::string&, const std::string&, int) override {}
};

class RecordingBalloons final : public TrayNotifier {
public:
    struct Shown {
        std::string text, title;
        int timeoutMs;
        bool operator==(const Shown&) const = default;
    };
    void showBalloon(const std::string& text, const std::string& title, int timeoutMs) override {
        shown.push_back({text, title, timeoutMs});
    }
    [[nodiscard]] std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const Shown& s : shown) {
            out.push_back(s.text);
        }
        return out;
    }
    std::vector<Shown> shown;
};

// Every outside effect of the tray program recorded or scripted: messages, pauses, dialogs and the
// desktop's pointer settings; balloons go to `balloons`, ignored unless a test sets it.
struct ProgramSeams {
    [[nodiscard]] Application::Seams seams(bool trayAvailable = true) {
        Application::Seams s;
        s.messages = &messages;
        s.balloons = balloons;
        s.sleeper = &sleeper;
        s.dialogs = &dialogs;
        s.pointer = &pointer;
        s.trayAvailable = trayAvailable;
        return s;
    }

    RecordingMessages messages;
    RecordingSleeper sleeper;
    ScriptedDialogs dialogs;
    MemoryPointerSettings pointer;
    IgnoreBalloons ignoredBalloons;
    TrayNotifier* balloons = &ignoredBalloons;
};

} // namespace q417::test
