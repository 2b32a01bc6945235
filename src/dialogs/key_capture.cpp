#include "dialogs/key_capture.h"

#include "platform/key_name_source.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>
#include <QWindow>

namespace q417 {

KeyCapture::KeyCapture(QWidget& dialog, const KeyNameSource& names)
    : QObject(&dialog)
    , dialog_(dialog)
    , names_(names) {
    // The dialog's own show and hide switch the application-wide filter on and off.
    dialog_.installEventFilter(this);
    setCapturing(dialog_.isVisible());
}

KeyCapture::~KeyCapture() {
    setCapturing(false);
}

QString KeyCapture::nameOf(const QKeyEvent& event, const KeyNameSource& names) {
    const std::string name =
        names.keyName(event.nativeScanCode(), event.key(), event.modifiers().testFlag(Qt::KeypadModifier));
    QString text = QString::fromStdString(name);
    if (text.isEmpty() && event.key() != 0 && event.key() != Qt::Key_unknown) {
        text = QKeySequence(event.key()).toString(QKeySequence::PortableText);
    }
    if (text.size() > kMaxNameLength) {
        text.truncate(kMaxNameLength);
        if (text.back().isHighSurrogate()) {
            text.chop(1); // never half a character
        }
    }
    return text;
}

void setApplicationFilter(QObject& filter, bool& on, bool want) {
    if (on == want || QCoreApplication::instance() == nullptr) {
        return;
    }
    on = want;
    if (want) {
        QCoreApplication::instance()->installEventFilter(&filter);
    } else {
        QCoreApplication::instance()->removeEventFilter(&filter);
    }
}

bool isEventFor(const QObject* watched, const QWidget& window) {
    if (watched->isWidgetType()) {
        return static_cast<const QWidget*>(watched)->window() == &window;
    }
    return watched == window.windowHandle();
}

void KeyCapture::setCapturing(bool on) {
    setApplicationFilter(*this, capturing_, on);
}

bool KeyCapture::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == &dialog_ && (type == QEvent::Show || type == QEvent::Hide)) {
        setCapturing(type == QEvent::Show);
        return false;
    }
    if (!capturing_ || !isEventFor(watched, dialog_)) {
        return false;
    }
    switch (type) {
    case QEvent::ShortcutOverride:
        // Accepted, so no shortcut takes the key; it then arrives as a press.
        event->accept();
        return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        if (const QString name = nameOf(*static_cast<QKeyEvent*>(event), names_); !name.isEmpty()) {
            emit captured(name);
        }
        event->accept();
        return true;
    }
    default:
        return false;
    }
}

} // namespace q417
