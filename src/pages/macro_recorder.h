#pragma once

#include "macro/macro_recording.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QKeyEvent;
class QWidget;

namespace q417 {

class KeyNameSource;

// Records the keys typed while the main window has the focus into the macro editor's event list.
// While it runs, an application-wide event filter takes every key press and release meant for the
// window before any control sees it, so typing neither edits the boxes nor closes the window.
class MacroRecorder : public QObject {
    Q_OBJECT
public:
    // `window` is the main window, which owns this object. `macroSelected` tells whether a macro is
    // selected in the editor: keys recorded without one are dropped.
    MacroRecorder(QWidget& window, const KeyNameSource& names, std::function<bool()> macroSelected);
    ~MacroRecorder() override;
    MacroRecorder(const MacroRecorder&) = delete;
    MacroRecorder& operator=(const MacroRecorder&) = delete;

    [[nodiscard]] bool recording() const { return recording_.recording(); }
    // The event list has just been cleared; keys are recorded from now on.
    void start();
    // Stops recording. False when none was running.
    bool stop();

    // The event list changed by other means than the recorder (a line inserted, edited or deleted,
    // another macro shown): Ctrl+Break then has no Ctrl line of its own to take back.
    void eventListChanged() { recording_.eventListChanged(); }

    // One key event, as the filter hands it on (tests call it directly).
    void record(const QKeyEvent& event);

signals:
    // Lines to take off the end of the event list, then lines to add.
    void linesRecorded(int dropLast, const QStringList& append);
    // Ctrl+Break ended the recording.
    void stoppedByKeys();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setFiltering(bool on);

    QWidget& window_;
    const KeyNameSource& names_;
    MacroRecording recording_;
    std::function<bool()> macroSelected_;
    bool filtering_ = false;
};

} // namespace q417
