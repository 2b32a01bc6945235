#pragma once

#include "app/application.h"
#include "scripted_dialogs.h"
#include "support/memory_pointer_settings.h"
#include "support/recording_messages.h"
#include "support/recording_sleeper.h"

namespace q417::test {

class IgnoreBalloons final : public TrayNotifier {
public:
    void showBalloon(const std::string&, const std::string&, int) override {}
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
