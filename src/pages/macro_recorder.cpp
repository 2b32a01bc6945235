#include "pages/macro_recorder.h"

#include "dialogs/key_capture.h"
#include "platform/key_name_source.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

namespace q417 {

namespace {

// Ctrl+Break: the Pause key with Ctrl held (the desktop may report it as Break or Cancel).
bool isCtrlBreak(const QKeyEvent& event) {
    const int key = event.key();
    const bool breakKey = key == Qt::Key_Pause || key == Qt::Key_Cancel;
    return breakKey && event.modifiers().testFlag(Qt::ControlModifier);
}

} // namespace

MacroRecorder::MacroRecorder(QWidget& window, const KeyNameSource& names, std::function<bool()> macroSelected)
    : QObject(&window)
    , window_(window)
    , names_(names)
    , macroSelected_(std::move(macroSelected)) {}

MacroRecorder::~MacroRecorder() {
    setFiltering(false);
}

void MacroRecorder::start() {
    recording_.start();
    setFiltering(true);
}

bool MacroRecorder::stop() {
    setFiltering(false);
    return recording_.stop();
}

void MacroRecorder::setFiltering(bool on) {
    setApplicationFilter(*this, filtering_, on);
}

void MacroRecorder::record(const QKeyEvent& event) {
    const bool press = event.type() == QEvent::KeyPress;
    const std::string name = KeyCapture::nameOf(event, names_).toStdString();
    const MacroRecording::Change change =
        recording_.onKey(name, press, event.isAutoRepeat(), press && isCtrlBreak(event), macroSelected_());
    if (change.dropLast > 0 || !change.append.empty()) {
        QStringList lines;
        for (const std::string& line : change.append) {
            lines << QString::fromStdString(line);
        }
        emit linesRecorded(static_cast<int>(change.dropLast), lines);
    }
    if (change.stopped) {
        setFiltering(false);
        emit stoppedByKeys();
    }
}

bool MacroRecorder::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (!filtering_ || !isEventFor(watched, window_)) {
        return false;
    }
    switch (type) {
    case QEvent::ShortcutOverride:
        event->accept(); // no shortcut takes the key; it then arrives as a press
        return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        record(*static_cast<QKeyEvent*>(event));
        event->accept();
        return true;
    default:
        return false;
    }
}

} // namespace q417
