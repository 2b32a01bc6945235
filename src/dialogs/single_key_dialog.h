#pragma once

#include "assign/dialog_choice.h"
#include "dialogs/dialog_runner.h"
#include "dialogs/skinned_dialog.h"

#include <QString>

class QLabel;

namespace q417 {

class KeyCapture;
class KeyNameSource;

// Gives a mouse button one keyboard key: the user presses any key, Enter, Esc, Tab and the arrows
// included, and the field shows its name; each release names the key again, so the field ends with
// the key released last. On Accepted the caller takes `choice()` and turns the name into a usage;
// an empty name (nothing pressed) gives usage 0.
//
// Without its background the dialog has no field and captures nothing; OK, Cancel and close work.
class SingleKeyDialog : public SkinnedDialog {
    Q_OBJECT
public:
    SingleKeyDialog(const DialogHost& host, MessageSink& messages, const KeyNameSource& names);

    [[nodiscard]] SingleKeyChoice choice() const { return {keyName_.toStdString()}; }
    [[nodiscard]] const QString& prompt() const { return prompt_; }
    // The field showing the key name, and the capture; null without the background.
    [[nodiscard]] QLabel* keyNameField() const { return field_; }
    [[nodiscard]] KeyCapture* capture() const { return capture_; }

protected:
    void drawContents(SkinCanvas& canvas) override;

private:
    void showKeyName(const QString& name);

    QString prompt_;
    QString keyName_;
    QLabel* field_ = nullptr;       // a child of this dialog
    KeyCapture* capture_ = nullptr; // a child of this dialog
};

} // namespace q417
