#pragma once

#include "dialogs/consumer_key_layout.h"
#include "dialogs/dialog_runner.h"
#include "dialogs/skinned_dialog.h"

#include <QString>
#include <cstddef>

class QLabel;

namespace q417 {

class SkinDropDown;

// Picks one consumer-control key from a drop-down list: the design the media-key and Windows-key
// dialogs share. It starts on row 0 and changes nothing itself; on Accepted the caller reads the
// row and its text (the row's usage is the caller's to look up).
class ConsumerKeyDialog : public SkinnedDialog {
    Q_OBJECT
public:
    ConsumerKeyDialog(const DialogHost& host, const ConsumerKeyLayout& layout, MessageSink& messages);

    [[nodiscard]] std::size_t row() const { return row_; }
    // The chosen row's text as shown; empty when the dialog opened without its background.
    [[nodiscard]] const QString& rowName() const { return rowName_; }
    [[nodiscard]] SkinDropDown& rowList() { return *rowList_; }
    // The field that shows the row's text; null without the background.
    [[nodiscard]] QLabel* nameField() const { return nameField_; }

protected:
    void clickAt(QPoint point) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    [[nodiscard]] QString rowText(std::size_t row) const;
    void chooseRow(int row);

    ConsumerKeyLayout layout_;
    Language language_;
    std::size_t row_ = 0;
    QString rowName_;
    SkinDropDown* rowList_;       // a child of this dialog
    QLabel* nameField_ = nullptr; // a child of this dialog
};

} // namespace q417
