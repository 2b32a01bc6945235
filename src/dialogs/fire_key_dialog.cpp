#include "dialogs/fire_key_dialog.h"

#include "assign/key_names.h"
#include "dialogs/dialog_keys.h"
#include "dialogs/fire_key_layout.h"
#include "dialogs/name_field.h"
#include "skin/qt_convert.h"
#include "skin/skin_drop_down.h"
#include "texts/fire_key_texts.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QStringList>

namespace q417 {

namespace {

// White on the fields' dark grey, without a frame; greyed while the key list is open.
constexpr const char* kNumberFieldStyle = "QLineEdit { color: white; background: rgb(40, 40, 40); border: none; }"
                                          "QLineEdit:disabled { color: rgb(128, 128, 128); }";

QStringList fireKeyRows() {
    QStringList rows;
    for (std::size_t row = 0; row < kFireKeyRowCount; ++row) {
        rows << fromUtf8(fireKeyName(row));
    }
    return rows;
}

QLineEdit* makeNumberField(QWidget& dialog, const Rect& rect, std::uint8_t value) {
    auto* field = new QLineEdit(QString::number(value), &dialog); // owned by the dialog
    field->setGeometry(rect.left, rect.top, rect.width(), rect.height());
    field->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), field));
    field->setAlignment(Qt::AlignCenter);
    field->setFrame(false);
    field->setStyleSheet(kNumberFieldStyle);
    field->show();
    return field;
}

} // namespace

FireKeyDialog::FireKeyDialog(const DialogHost& host, MessageSink& messages)
    : SkinnedDialog(host.skin, SkinnedDialogKind::FireKey, captionsIn(host.language), messages, host.origin,
                    host.parent) {
    keyList_ = new SkinDropDown(*this, {.regions = kFireKeyListRegions, .hotTracking = true, .wheelScrolls = true},
                                fireKeyRows);
    addDropDown(*keyList_);
    connect(keyList_, &SkinDropDown::chosen, this, [this](int row) { chooseKey(row); });
    connect(keyList_, &SkinDropDown::openChanged, this, [this](bool open) { listOpened(open); });
    if (!backgroundLoaded()) {
        return; // no texts and no controls without the background; OK returns the start values
    }
    const FireKeyTexts texts = fireKeyTexts(host.language);
    speedLabel_ = fromUtf8(texts.speedLabel);
    timesLabel_ = fromUtf8(texts.timesLabel);
    speedExplanation_ = fromUtf8(texts.speedExplanation);
    timesExplanation_ = fromUtf8(texts.timesExplanation);
    keyName_ = fromUtf8(fireKeyName(row_));
    createControls();
}

void FireKeyDialog::createControls() {
    keyField_ = makeNameField(*this, kFireKeyFieldRect, Qt::AlignHCenter);
    showName(*keyField_, keyName_);
    speedField_ = makeNumberField(*this, kFireSpeedFieldRect, speed_);
    timesField_ = makeNumberField(*this, kFireTimesFieldRect, times_);
    // The speed is taken when the user leaves the field; half-typed values such as "2" on the way
    // to "25" must not be replaced while typing.
    speedField_->installEventFilter(this);
    connect(timesField_, &QLineEdit::textChanged, this, [this] { checkTimes(); });
}

FireKeyChoice FireKeyDialog::choice() const {
    return {.row = row_, .text = keyName_.toStdString(), .speed = speed_, .times = times_};
}

void FireKeyDialog::accept() {
    checkSpeed();
    SkinnedDialog::accept();
}

void FireKeyDialog::drawContents(SkinCanvas& canvas) {
    if (!backgroundLoaded()) {
        return;
    }
    canvas.drawText(kFireSpeedLabelRect, speedLabel_, font(), Qt::white, Qt::AlignCenter);
    canvas.drawText(kFireTimesLabelRect, timesLabel_, font(), Qt::white, Qt::AlignCenter);
    drawExplanation(canvas, kFireSpeedExplanationRect, speedExplanation_);
    drawExplanation(canvas, kFireTimesExplanationRect, timesExplanation_);
}

void FireKeyDialog::drawExplanation(SkinCanvas& canvas, const Rect& rect, const QString& text) {
    // Wrapped text cannot be centred vertically by alignment alone: measure it, then shrink the
    // rectangle to the text's height.
    const QRect measured = QFontMetrics(font()).boundingRect(QRect(rect.left, rect.top, rect.width(), rect.height()),
                                                             Qt::AlignLeft | Qt::TextWordWrap, text);
    canvas.drawText(centredToHeight(rect, measured.height()), text, font(), Qt::white, Qt::AlignLeft | Qt::AlignTop,
                    true);
}

void FireKeyDialog::clickAt(QPoint point) {
    if (backgroundLoaded() && kFireKeyListRegions.box.contains(point.x(), point.y())) {
        keyList_->toggle();
    }
}

void FireKeyDialog::keyPressEvent(QKeyEvent* event) {
    if (confirmsDialog(*event)) {
        accept();
        return;
    }
    SkinnedDialog::keyPressEvent(event); // Esc cancels
}

bool FireKeyDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == speedField_ && event->type() == QEvent::FocusOut) {
        checkSpeed();
    }
    return SkinnedDialog::eventFilter(watched, event);
}

void FireKeyDialog::chooseKey(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= kFireKeyRowCount) {
        return;
    }
    row_ = static_cast<std::size_t>(row);
    keyName_ = fromUtf8(fireKeyName(row_));
    if (keyField_ != nullptr) {
        showName(*keyField_, keyName_);
    }
}

void FireKeyDialog::listOpened(bool open) {
    if (speedField_ == nullptr) {
        return;
    }
    // No number can be typed while the list covers the fields.
    speedField_->setEnabled(!open);
    timesField_->setEnabled(!open);
    if (open) {
        setFocus(Qt::OtherFocusReason);
    }
}

void FireKeyDialog::checkSpeed() {
    if (speedField_ == nullptr) {
        return;
    }
    const FireFieldValue checked = checkFireSpeed(speedField_->text().toStdString());
    speed_ = checked.value;
    if (checked.replaced) {
        speedField_->setText(QString::number(checked.value));
    }
}

void FireKeyDialog::checkTimes() {
    const FireFieldValue checked = checkFireTimes(timesField_->text().toStdString());
    times_ = checked.value;
    if (checked.replaced) {
        timesField_->setText(QString::number(checked.value)); // comes back here, now in range
    }
}

} // namespace q417
