#pragma once

#include <QObject>
#include <QString>

class QKeyEvent;
class QWidget;

namespace q417 {

class KeyNameSource;

// Puts `filter` on the whole application or takes it off; `on` tracks which, so nothing is done
// twice. Nothing while no application exists.
void setApplicationFilter(QObject& filter, bool& on, bool want);

// Whether an event sent to `watched` is meant for the top-level widget `window`: one of its widgets,
// or its native window, which a key reaches before the widgets.
[[nodiscard]] bool isEventFor(const QObject* watched, const QWidget& window);

// Captures the keys of a capture dialog. While the dialog is shown, an application-wide event filter
// takes every key press and release meant for it (auto-repeats included), names the key and reports
// the name, and swallows the event: Enter, Esc, Tab and the arrows never operate the dialog, and the
// Windows keys reach nothing in it. The filter goes away when the dialog is hidden or destroyed.
//
// Shortcuts of the desktop itself (a Super key opening an overview, window switching) are taken
// before the program sees them and cannot be captured.
class KeyCapture : public QObject {
    Q_OBJECT
public:
    // Names are cut to this many characters.
    static constexpr qsizetype kMaxNameLength = 31;

    // Captures for `dialog`, a top-level widget, which owns this object.
    KeyCapture(QWidget& dialog, const KeyNameSource& names);
    ~KeyCapture() override;
    KeyCapture(const KeyCapture&) = delete;
    KeyCapture& operator=(const KeyCapture&) = delete;

    [[nodiscard]] bool isCapturing() const { return capturing_; }

    // The name of the key of `event`: the source's name, else the toolkit's own text for the key
    // (not a name of the key-name table, so it gives no usage but labels the button); cut to
    // kMaxNameLength. Empty when neither names it.
    [[nodiscard]] static QString nameOf(const QKeyEvent& event, const KeyNameSource& names);

signals:
    // Every press and release, in the order they happen.
    void captured(const QString& name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setCapturing(bool on);

    QWidget& dialog_;
    const KeyNameSource& names_;
    bool capturing_ = false;
};

} // namespace q417
