#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace q417 {

// The macro recorder without its keyboard source: fed every key press and release seen while a
// window of the program has the focus, it tells the event list what to do. A fixed "50 ms" goes
// between events; a key that auto-repeats gives one press line; Ctrl+Break stops the recording
// and takes back the Ctrl press line recorded just before it (with the delay line before that).
class MacroRecording {
public:
    struct Change {
        std::size_t dropLast = 0;        // lines to remove from the end of the event list first
        std::vector<std::string> append; // then lines to append
        bool stopped = false;            // the recording ended (Ctrl+Break)
    };

    [[nodiscard]] bool recording() const { return recording_; }
    // Start: the event list has just been cleared.
    void start();
    // Stop, or the page's teardown. Returns whether a recording was running.
    bool stop();
    // The event list was changed by other means during a recording (another macro selected, a line
    // inserted or removed): the Ctrl press last recorded may no longer be its last line, so
    // Ctrl+Break must not take lines back.
    void eventListChanged() { ctrlPressLines_ = 0; }

    // One key event. `autoRepeat`: the key was already down. `ctrlBreak`: the press is Break with
    // Ctrl held. `macroSelected`: events while no macro is selected are dropped.
    Change onKey(std::string_view keyName, bool press, bool autoRepeat, bool ctrlBreak, bool macroSelected);

private:
    Change onPress(std::string_view keyName, bool autoRepeat, bool ctrlBreak, bool macroSelected);
    Change onRelease(std::string_view keyName, bool macroSelected);

    bool recording_ = false;
    bool pressSeen_ = false;
    std::string lastPressed_; // survives from one recording to the next
    // While a Ctrl press is the last thing recorded: how many lines it added (its press line, and
    // the "50 ms" before it when there was one), and the state before it, to go back to.
    std::size_t ctrlPressLines_ = 0;
    bool pressSeenBeforeCtrl_ = false;
    std::string lastPressedBeforeCtrl_;
};

} // namespace q417
