#include "dialogs/single_key_dialog.h"

#include "dialogs/capture_dialog_layouts.h"
#include "dialogs/key_capture.h"
#include "skin/qt_convert.h"
#include "skin/skin_canvas.h"
#include "texts/capture_dialog_texts.h"

#include <QLabel>

namespace q417 {

namespace {

// White on dark grey, darker above and left, lighter below and right: a sunken field.
constexpr const char* kFieldStyle = "QLabel { color: white; background: rgb(40, 40, 40); border: 1px solid;"
                                    " border-color: rgb(16, 16, 16) rgb(96, 96, 96) rgb(96, 96, 96) rgb(16, 16, 16);"
                                    " padding: 0 1px; }";
constexpr int kFieldInset = 4; // border and padding, both sides

} // namespace

SingleKeyDialog::SingleKeyDialog(const DialogHost& host, MessageSink& messages, const KeyNameSource& names)
    : SkinnedDialog(host.skin, SkinnedDialogKind::SingleKey, captionsIn(host.language), messages, host.origin,
                    host.parent)
    , prompt_(fromUtf8(singleKeyPrompt(host.language))) {
    if (!backgroundLoaded()) {
        return; // no field and no capture without the background
    }
    field_ = new QLabel(this);
    const Rect& r = kSingleKeyNameRect;
    field_->setGeometry(r.left, r.top, r.width(), r.height());
    field_->setStyleSheet(kFieldStyle);
    field_->setAlignment(Qt::AlignCenter);
    field_->setTextFormat(Qt::PlainText);
    // Clicks and pointer moves go to the dialog, as over any other part of it.
    field_->setAttribute(Qt::WA_TransparentForMouseEvents);
    showKeyName(keyName_);

    capture_ = new KeyCapture(*this, names);
    connect(capture_, &KeyCapture::captured, this, [this](const QString& name) {
        keyName_ = name;
        showKeyName(name);
    });
}

void SingleKeyDialog::drawContents(SkinCanvas& canvas) {
    if (!backgroundLoaded()) {
        return;
    }
    canvas.drawText(kSingleKeyPromptRect, prompt_, font(), Qt::white, Qt::AlignCenter);
}

void SingleKeyDialog::showKeyName(const QString& name) {
    // A long name shrinks, then loses its end, rather than being cut at both edges.
    const FittedText fitted = fitText(name, font(), kSingleKeyNameRect.width() - kFieldInset);
    field_->setFont(fitted.font);
    field_->setText(fitted.text);
}

} // namespace q417
