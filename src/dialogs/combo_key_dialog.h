#pragma once

#include "assign/dialog_choice.h"
#include "dialogs/dialog_runner.h"
#include "dialogs/skinned_dialog.h"

#include <QPointer>
#include <QString>

class QLineEdit;

namespace q417 {

class KeyCapture;
class KeyNameSource;
class SkinDropDown;

// Gives a mouse button a key combination: at most one modifier from a drop-down list of the eight
// modifier names, and up to two keys, each captured into the key field that has the focus. The
// first key field has the focus when the dialog opens; a click on a field moves it there. A key
// pressed while neither field has the focus is swallowed and ignored. On Accepted the caller takes
// `choice()`; any name may be empty.
//
// While the modifier list is open both key fields are disabled, so no key is captured; choosing a
// row or clicking anywhere else closes it and gives the focus back to the field that had it.
//
// Without its background the dialog has no controls and captures nothing; OK, Cancel and close work.
class ComboKeyDialog : public SkinnedDialog {
    Q_OBJECT
public:
    ComboKeyDialog(const DialogHost& host, MessageSink& messages, const KeyNameSource& names);

    [[nodiscard]] ComboKeyChoice choice() const;
    // The controls and the capture; null without the background.
    [[nodiscard]] SkinDropDown* modifierList() const { return modifierList_; }
    [[nodiscard]] QLineEdit* firstKeyField() const { return firstKey_; }
    [[nodiscard]] QLineEdit* secondKeyField() const { return secondKey_; }
    [[nodiscard]] KeyCapture* capture() const { return capture_; }

protected:
    void drawContents(SkinCanvas& canvas) override;
    void clickAt(QPoint point) override;

private:
    QLineEdit* makeKeyField(const Rect& rect);
    void keyCaptured(const QString& name);
    void listOpened(bool open);

    QString modifierName_;
    QString firstKeyName_; // as captured; the fields may show them shortened
    QString secondKeyName_;
    QLineEdit* firstKey_ = nullptr; // children of this dialog
    QLineEdit* secondKey_ = nullptr;
    SkinDropDown* modifierList_ = nullptr;
    KeyCapture* capture_ = nullptr;
    QPointer<QLineEdit> focusBeforeList_; // given the focus back when the list closes
};

} // namespace q417
