#include "macro/macro_recording.h"

#include "macro/macro_editor_rules.h"
#include "macro/macro_line.h"

#include <utility>

namespace q417 {

namespace {

// The names the key-name source gives the two Ctrl keys.
bool isCtrl(std::string_view keyName) {
    return keyName == "Ctrl" || keyName == "Right Ctrl";
}

std::string pauseLine() {
    return formatMacroLine(MacroEvent::delay(kInsertedDelayMs));
}

} // namespace

void MacroRecording::start() {
    recording_ = true;
    pressSeen_ = false;
    ctrlPressLines_ = 0;
}

bool MacroRecording::stop() {
    const bool was = recording_;
    recording_ = false;
    ctrlPressLines_ = 0;
    return was;
}

MacroRecording::Change MacroRecording::onKey(std::string_view keyName, bool press, bool autoRepeat, bool ctrlBreak,
                                             bool macroSelected) {
    if (!recording_) {
        return {};
    }
    return press ? onPress(keyName, autoRepeat, ctrlBreak, macroSelected) : onRelease(keyName, macroSelected);
}

MacroRecording::Change MacroRecording::onPress(std::string_view keyName, bool autoRepeat, bool ctrlBreak,
                                               bool macroSelected) {
    Change change;
    if (ctrlBreak) {
        // Ends the recording as it stood before Ctrl went down; Break itself adds nothing.
        change.stopped = true;
        if (macroSelected && ctrlPressLines_ > 0) {
            change.dropLast = ctrlPressLines_;
            pressSeen_ = pressSeenBeforeCtrl_;
            lastPressed_ = std::move(lastPressedBeforeCtrl_);
        }
        stop();
        return change;
    }
    if (autoRepeat && keyName == lastPressed_) {
        return change; // a held key gives one press line
    }
    if (!macroSelected) {
        return change;
    }
    const bool ctrl = isCtrl(keyName);
    if (ctrl) {
        pressSeenBeforeCtrl_ = pressSeen_;
        lastPressedBeforeCtrl_ = lastPressed_;
    }
    if (pressSeen_) {
        change.append.push_back(pauseLine());
    }
    change.append.push_back(formatMacroLine(MacroEvent::press(std::string(keyName))));
    pressSeen_ = true;
    lastPressed_ = std::string(keyName);
    ctrlPressLines_ = ctrl ? change.append.size() : 0;
    return change;
}

MacroRecording::Change MacroRecording::onRelease(std::string_view keyName, bool macroSelected) {
    Change change;
    if (!macroSelected) {
        return change;
    }
    change.append = {pauseLine(), formatMacroLine(MacroEvent::release(std::string(keyName)))};
    ctrlPressLines_ = 0;
    return change;
}

} // namespace q417
