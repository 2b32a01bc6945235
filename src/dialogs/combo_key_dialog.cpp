#include "dialogs/combo_key_dialog.h"

#include "assign/key_names.h"
#include "dialogs/capture_dialog_layouts.h"
#include "dialogs/dialog_look.h"
#include "dialogs/key_capture.h"
#include "skin/qt_convert.h"
#include "skin/skin_canvas.h"
#include "skin/skin_drop_down.h"

#include <QLineEdit>
#include <QListWidget>

namespace q417 {

namespace {

// White on dark grey without a border. A read-only field shows no caret, so the field with the
// focus is underlined instead; a disabled one greys its text.
constexpr const char* kKeyFieldStyle = "QLineEdit { color: white; background: rgb(40, 40, 40); border: none;"
                                       " padding: 0; }"
                                       "QLineEdit:focus { border-bottom: 1px solid rgb(200, 200, 200); }"
                                       "QLineEdit:disabled { color: rgb(140, 140, 140); }";
constexpr int kKeyFieldInset = 4; // the line edit's own text margins, both sides
constexpr int kModifierInset = 2; // the sunken edge and a pixel of air

QStringList modifierRows() {
    QStringList rows;
    for (std::size_t row = 0; row < kModifierCount; ++row) {
        rows << fromUtf8(modifierName(row));
    }
    return rows;
}

} // namespace

ComboKeyDialog::ComboKeyDialog(const DialogHost& host, MessageSink& messages, const KeyNameSource& names)
    : SkinnedDialog(host.skin, SkinnedDialogKind::ComboKey, captionsIn(host.language), messages, host.origin,
                    host.parent) {
    if (!backgroundLoaded()) {
        return; // no controls and no capture without the background
    }
    modifierList_ = new SkinDropDown(*this, {.regions = kComboModifierRegions, .hotTracking = true}, modifierRows);
    addDropDown(*modifierList_);
    connect(modifierList_, &SkinDropDown::openChanged, this, [this](bool open) { listOpened(open); });
    connect(modifierList_, &SkinDropDown::chosen, this, [this](int, const QString& text) {
        modifierName_ = text;
        redraw();
    });

    firstKey_ = makeKeyField(kComboFirstKeyRect);
    secondKey_ = makeKeyField(kComboSecondKeyRect);
    // The user need not click before the first key.
    firstKey_->setFocus();

    capture_ = new KeyCapture(*this, names);
    connect(capture_, &KeyCapture::captured, this, [this](const QString& name) { keyCaptured(name); });
}

ComboKeyChoice ComboKeyDialog::choice() const {
    return {modifierName_.toStdString(), firstKeyName_.toStdString(), secondKeyName_.toStdString()};
}

QLineEdit* ComboKeyDialog::makeKeyField(const Rect& rect) {
    auto* field = new QLineEdit(this);
    field->setGeometry(rect.left, rect.top, rect.width(), rect.height());
    field->setStyleSheet(kKeyFieldStyle);
    field->setFrame(false);
    field->setAlignment(Qt::AlignCenter);
    field->setTextMargins(0, 0, 0, 0);
    // Read-only: keys never edit it and no input method takes them first. No tab stop either.
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);
    field->setContextMenuPolicy(Qt::NoContextMenu);
    return field;
}

void ComboKeyDialog::keyCaptured(const QString& name) {
    QWidget* focused = focusWidget();
    QLineEdit* field = nullptr;
    if (focused == firstKey_) {
        field = firstKey_;
        firstKeyName_ = name;
    } else if (focused == secondKey_) {
        field = secondKey_;
        secondKeyName_ = name;
    } else {
        return;
    }
    // A long name shrinks, then loses its end, rather than scrolling out of sight.
    const FittedText fitted = fitText(name, font(), field->width() - kKeyFieldInset);
    field->setFont(fitted.font);
    field->setText(fitted.text);
    field->setCursorPosition(0);
}

void ComboKeyDialog::listOpened(bool open) {
    if (open) {
        QWidget* focused = focusWidget();
        focusBeforeList_ = focused == firstKey_ || focused == secondKey_ ? static_cast<QLineEdit*>(focused) : nullptr;
        setFocus(); // the dialog itself, before the fields are disabled
        if (QListWidget* list = modifierList_->list()) {
            list->setAttribute(Qt::WA_InputMethodEnabled, false);
        }
    }
    firstKey_->setEnabled(!open);
    secondKey_->setEnabled(!open);
    if (!open && focusBeforeList_) {
        focusBeforeList_->setFocus();
    }
}

void ComboKeyDialog::drawContents(SkinCanvas& canvas) {
    if (!backgroundLoaded()) {
        return;
    }
    drawSunkenBox(canvas, kComboModifierFieldRect);
    const Rect& r = kComboModifierFieldRect;
    canvas.drawText({r.left + kModifierInset, r.top + 1, r.right - kModifierInset, r.bottom - 1}, modifierName_, font(),
                    Qt::white, Qt::AlignCenter);
}

void ComboKeyDialog::clickAt(QPoint point) {
    if (!backgroundLoaded()) {
        return;
    }
    if (kComboModifierRegions.box.contains(point.x(), point.y())) {
        modifierList_->toggle();
    }
}

} // namespace q417
