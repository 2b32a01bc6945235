#include "dialogs/delay_time_dialog.h"

#include "dialogs/delay_time_layout.h"
#include "dialogs/dialog_keys.h"
#include "skin/qt_convert.h"
#include "skin/skin_canvas.h"
#include "texts/delay_time_texts.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace q417 {

namespace {

// White on the dialogs' dark grey, in a thin border.
constexpr const char* kDelayFieldStyle =
    "QLineEdit { color: white; background: rgb(40, 40, 40); border: 1px solid rgb(96, 96, 96); padding: 0; }";
// Enough digits for any delay; more could only be clamped away.
constexpr int kMaxDigits = 9;

} // namespace

DelayTimeDialog::DelayTimeDialog(const DialogHost& host, MessageSink& messages)
    : SkinnedDialog(host.skin, SkinnedDialogKind::DelayTime, captionsIn(host.language), messages, host.origin,
                    host.parent) {
    if (!backgroundLoaded()) {
        return; // no edit box: OK hands back nothing typed
    }
    const DelayTimeTexts texts = delayTimeTexts(host.language);
    prompt_ = fromUtf8(texts.prompt);
    range_ = fromUtf8(texts.range);
    field_ = new QLineEdit(this);
    field_->setGeometry(toQRect(kDelayFieldRect));
    field_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), field_));
    field_->setMaxLength(kMaxDigits);
    field_->setAlignment(Qt::AlignCenter);
    field_->setStyleSheet(kDelayFieldStyle);
    field_->setFont(host.skin.font);
    connect(field_, &QLineEdit::textChanged, this, [this](const QString& text) { typed_ = text; });
    field_->setFocus(Qt::OtherFocusReason);
}

void DelayTimeDialog::drawContents(SkinCanvas& canvas) {
    if (!backgroundLoaded()) {
        return;
    }
    canvas.drawText(kDelayPromptRect, prompt_, font(), Qt::white, Qt::AlignCenter);
    canvas.drawText(kDelayRangeRect, range_, font(), Qt::white, Qt::AlignCenter);
}

void DelayTimeDialog::keyPressEvent(QKeyEvent* event) {
    if (confirmsDialog(*event)) {
        accept();
        return;
    }
    SkinnedDialog::keyPressEvent(event); // Esc cancels
}

} // namespace q417
