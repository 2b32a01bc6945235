#pragma once

#include "dialogs/dialog_runner.h"
#include "dialogs/skinned_dialog.h"

#include <QString>

class QLineEdit;

namespace q417 {

// Asks for a new delay of a macro's delay line: digits only, 20 to 10000 ms as the range text
// says. It changes nothing itself; on Accepted the caller reads the digits as typed (`typed()`),
// which the editor turns into the line, clamped to the range.
class DelayTimeDialog : public SkinnedDialog {
    Q_OBJECT
public:
    DelayTimeDialog(const DialogHost& host, MessageSink& messages);

    // The digits as typed, leading zeros kept; empty without the background's edit box.
    [[nodiscard]] QString typed() const { return typed_; }
    // The edit box; null without the background.
    [[nodiscard]] QLineEdit* field() const { return field_; }

protected:
    void drawContents(SkinCanvas& canvas) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString prompt_;
    QString range_;
    QString typed_;
    QLineEdit* field_ = nullptr; // a child of this dialog
};

} // namespace q417
