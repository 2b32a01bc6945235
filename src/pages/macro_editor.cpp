#include "pages/macro_editor.h"

#include "dialogs/fire_key_layout.h"
#include "macro/macro_delete.h"
#include "macro/macro_editor_rules.h"
#include "macro/macro_line.h"
#include "pages/advanced_page_layout.h"
#include "pages/macro_recorder.h"
#include "skin/qt_convert.h"
#include "skin/skin_drop_down.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QValidator>

namespace q417 {

namespace al = advanced_layout;

namespace {

constexpr const char* kTooManyMacros = "Macro numbers up to 12.";
constexpr const char* kWarning = "Warning";
constexpr int kUnboundedHeight = 10'000;
// Enough digits for any loop count; more could only be turned into 1.
constexpr int kLoopDigits = 9;

// Keeps out of the name box what record.ini could not give back as typed.
class MacroNameValidator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        for (const char32_t c : input.toUcs4()) {
            if (!isMacroNameChar(c)) {
                return Invalid;
            }
        }
        return Acceptable;
    }
};

QStringList mouseEventRows() {
    QStringList rows;
    for (const std::string_view entry : kMouseEventEntries) {
        rows << fromUtf8(entry);
    }
    return rows;
}

std::vector<std::string> toLines(const QStringList& items) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(items.size()));
    for (const QString& item : items) {
        lines.push_back(item.toStdString());
    }
    return lines;
}

} // namespace

MacroEditor::MacroEditor(MacroEditorContext context)
    : QObject(&context.window)
    , ctx_(std::move(context)) {
    mouseEvents_ = new SkinDropDown(
        ctx_.window, {.regions = al::kMouseEventRegions, .hotTracking = true, .blackList = true}, mouseEventRows);
    mouseEvents_->setParent(this);
    connect(mouseEvents_, &SkinDropDown::chosen, this, [this](int row) { insertMouseEvent(row); });
    recorder_ = new MacroRecorder(ctx_.window, ctx_.keyNames, [this] { return selectedMacro() >= 0; });
    recorder_->setParent(this);
    connect(recorder_, &MacroRecorder::linesRecorded, this, &MacroEditor::applyRecordedLines);
}

void MacroEditor::drawTexts() {
    PagePainter& p = ctx_.painter;
    const Language language = ctx_.language;
    const auto draw = [&](const Rect& r, TextId id, Qt::Alignment alignment) {
        p.text(r, text(language, id), alignment);
    };
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    draw(al::kMacroHeading, TextId::MacroSetting, Qt::AlignCenter);
    draw(al::kSelectMacroHeading, TextId::SelectMacro, Qt::AlignCenter);
    draw(al::kSequenceHeading, TextId::KeyPressSequence, Qt::AlignCenter);
    draw(al::kRecordOptionHeading, TextId::RecordOption, Qt::AlignCenter);
    draw(al::kNameCaption, TextId::MacroName, left);
    draw(al::kLoopCaption, TextId::LoopTimes, left);
    draw(al::kMouseEventCaption, TextId::InsertMouseEvent, left);
    // Wrapped captions are centred by measuring them: the rectangle shrinks to the text's height.
    for (const auto& [r, id] : {std::pair{al::kStartRecordingCaption, TextId::StartRecording},
                                std::pair{al::kStopRecordingCaption, TextId::StopRecording}}) {
        const QString caption = fromUtf8(text(language, id));
        const QRect measured =
            QFontMetrics(p.textFont())
                .boundingRect(QRect(0, 0, r.width(), kUnboundedHeight), Qt::AlignLeft | Qt::TextWordWrap, caption);
        p.wrappedText(centredToHeight(r, std::min(measured.height(), r.height())), caption);
    }
}

QListWidget* MacroEditor::makeList(const Rect& r) {
    auto* list = new QListWidget(&ctx_.window); // owned by the window until the page is left
    list->setGeometry(toQRect(r));
    list->setFrameShape(QFrame::NoFrame);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    const QColor colour = ctx_.painter.textColour();
    QColor selected = colour;
    selected.setAlpha(70);
    list->setStyleSheet(
        QString("QListWidget { color: %1; background: rgb(14, 15, 14); border: none; outline: 0; }"
                "QListWidget::item { padding-left: 3px; }"
                "QListWidget::item:selected { color: %1; background: rgba(%2, %3, %4, 70); }"
                "QScrollBar:vertical { background: rgb(14, 15, 14); width: 9px; margin: 0; }"
                "QScrollBar::handle:vertical { background: rgb(90, 90, 90); min-height: 16px; border-radius: 3px; }"
                "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
                "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }")
            .arg(colour.name())
            .arg(selected.red())
            .arg(selected.green())
            .arg(selected.blue()));
    list->show();
    return list;
}

QLineEdit* MacroEditor::makeBox(const Rect& r) {
    auto* box = new QLineEdit(&ctx_.window); // owned by the window until the page is left
    box->setGeometry(toQRect(r));
    box->setAlignment(Qt::AlignCenter);
    box->setFrame(false);
    box->setTextMargins(0, 0, 0, 0);
    box->setStyleSheet(QString("QLineEdit { color: %1; background: black; border: none; padding: 0; }")
                           .arg(ctx_.painter.textColour().name()));
    box->show();
    return box;
}

void MacroEditor::createControls() {
    if (controlsExist()) {
        return;
    }
    macroList_ = makeList(al::kMacroList);
    eventList_ = makeList(al::kEventList);
    eventList_->setMouseTracking(true);
    eventViewport_ = eventList_->viewport();
    eventViewport_->installEventFilter(this);
    eventList_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(eventList_, &QListWidget::customContextMenuRequested, this, &MacroEditor::showContextMenu);
    connect(eventList_, &QListWidget::itemDoubleClicked, this, [this] { editDelay(); });
    connect(macroList_, &QListWidget::currentRowChanged, this, &MacroEditor::selectMacro);

    nameBox_ = makeBox(al::kNameBox);
    nameBox_->setValidator(new MacroNameValidator(nameBox_));
    nameBox_->setMaxLength(static_cast<int>(kMacroNameMaxChars));
    loopBox_ = makeBox(al::kLoopBox);
    loopBox_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), loopBox_));
    loopBox_->setMaxLength(kLoopDigits);
    connect(loopBox_, &QLineEdit::textChanged, this, &MacroEditor::applyLoopTimes);

    mouseEventBox_ = new QLabel(&ctx_.window);
    mouseEventBox_->setGeometry(toQRect(al::kMouseEventBox));
    mouseEventBox_->setAlignment(Qt::AlignCenter);
    mouseEventBox_->setAttribute(Qt::WA_TransparentForMouseEvents); // the page's region toggles the list
    mouseEventBox_->setStyleSheet(
        QString("QLabel { color: %1; background: black; }").arg(ctx_.painter.textColour().name()));
    mouseEventBox_->show();

    // The first macro is shown and selected; its repeat count fills the loop-times box.
    const std::vector<std::string> names = ctx_.library.listMacroNames();
    {
        const QSignalBlocker quiet(macroList_);
        for (const std::string& name : names) {
            macroList_->addItem(QString::fromStdString(name));
        }
        if (!names.empty()) {
            nameBox_->setText(QString::fromStdString(names.front()));
            showLines(ctx_.library.loadMacro(names.front()));
            macroList_->setCurrentRow(0);
        }
    }
    showLoopTimes(names.empty() ? QString() : QString::number(ctx_.config.macroSlots[0].repeats()));
}

void MacroEditor::destroyControls() {
    recorder_->stop();
    mouseEvents_->close();
    if (!eventViewport_.isNull()) {
        eventViewport_->removeEventFilter(this); // the list's teardown must not come back here
    }
    delete macroList_.data();
    delete eventList_.data();
    delete nameBox_.data();
    delete loopBox_.data();
    delete mouseEventBox_.data();
}

void MacroEditor::closeListsFor(QPoint point) {
    mouseEvents_->closeOnClickAt(point);
}

void MacroEditor::toggleMouseEvents() {
    mouseEvents_->toggle();
}

int MacroEditor::selectedMacro() const {
    if (macroList_.isNull() || macroList_->selectedItems().isEmpty()) {
        return -1;
    }
    return macroList_->currentRow();
}

std::optional<std::size_t> MacroEditor::selectedLine() const {
    if (eventList_.isNull() || eventList_->selectedItems().isEmpty() || eventList_->currentRow() < 0) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(eventList_->currentRow());
}

QStringList MacroEditor::eventLines() const {
    QStringList lines;
    if (!eventList_.isNull()) {
        for (int row = 0; row < eventList_->count(); ++row) {
            lines << eventList_->item(row)->text();
        }
    }
    return lines;
}

bool MacroEditor::recording() const {
    return recorder_->recording();
}

void MacroEditor::showLines(const std::vector<std::string>& lines) {
    recorder_->eventListChanged();
    eventList_->clear();
    for (const std::string& line : lines) {
        eventList_->addItem(QString::fromStdString(line));
    }
}

void MacroEditor::selectRowQuietly(int row) {
    const QSignalBlocker quiet(macroList_);
    macroList_->setCurrentRow(row);
}

void MacroEditor::showMessage(TextId id, const std::string& caption) {
    ctx_.messages.showMessage(std::string(text(ctx_.language, id)), caption);
}

void MacroEditor::showLoopTimes(const QString& text) {
    if (loopBox_->text() == text) {
        applyLoopTimes(text); // an unchanged text sends no change, and the rule must still run
    } else {
        loopBox_->setText(text);
    }
}

void MacroEditor::applyLoopTimes(const QString& typed) {
    const LoopTimes loop = loopTimesRule(typed.toStdString());
    if (const QString shown = QString::fromStdString(loop.text); shown != typed) {
        loopBox_->setText(shown); // comes back here with a text the rule keeps
        return;
    }
    const int row = selectedMacro();
    if (row >= 0 && static_cast<std::size_t>(row) < kMacroSlotCount) {
        ctx_.config.macroSlots[static_cast<std::size_t>(row)].setRepeats(loop.value);
    }
}

void MacroEditor::selectMacro(int row) {
    if (row < 0 || eventList_.isNull()) {
        return;
    }
    const std::string name = macroList_->item(row)->text().toStdString();
    nameBox_->setText(QString::fromStdString(name));
    const std::vector<std::string> lines = ctx_.library.loadMacro(name);
    showLines(lines);
    if (lines.empty()) {
        return; // the loop-times box keeps what it showed
    }
    if (static_cast<std::size_t>(row) < kMacroSlotCount) {
        showLoopTimes(QString::number(ctx_.config.macroSlots[static_cast<std::size_t>(row)].repeats()));
    }
}

void MacroEditor::newMacro() {
    if (!controlsExist()) {
        return;
    }
    std::vector<std::string> listed;
    for (int row = 0; row < macroList_->count(); ++row) {
        listed.push_back(macroList_->item(row)->text().toStdString());
    }
    const std::string name = storableMacroName(nameBox_->text().toStdString());
    switch (checkNewMacroName(name, listed)) {
    case NewMacroRefusal::NameBlank:
        showMessage(TextId::MacroNameBlank, {});
        return;
    case NewMacroRefusal::TooMany:
        ctx_.messages.showMessage(kTooManyMacros, kWarning);
        return;
    case NewMacroRefusal::NameExists:
        showMessage(TextId::MacroNameExists, {});
        return;
    case NewMacroRefusal::None:
        break;
    }
    const bool first = listed.empty();
    macroList_->addItem(QString::fromStdString(name));
    if (!first) {
        recorder_->eventListChanged();
        eventList_->clear(); // the first macro may take the lines already in the list
    }
    selectRowQuietly(macroList_->count() - 1);
    // The new macro plays as often as the box says, not as often as whatever its slot held before.
    applyLoopTimes(loopBox_->text());
}

void MacroEditor::deleteMacro() {
    const int row = selectedMacro();
    if (row < 0) {
        return;
    }
    const std::string name = macroList_->item(row)->text().toStdString();
    {
        const QSignalBlocker quiet(macroList_);
        delete macroList_->takeItem(row);
        macroList_->clearSelection();
        macroList_->setCurrentRow(-1);
    }
    recorder_->eventListChanged();
    eventList_->clear();
    nameBox_->clear();
    const Status status = deleteMacroAndRenumber(ctx_.library, name, ctx_.config, ctx_.labels, ctx_.language);
    if (!status.ok()) {
        ctx_.messages.showMessage(status.message, kWarning);
    }
}

void MacroEditor::confirmMacro() {
    const int row = selectedMacro();
    if (row < 0) {
        return;
    }
    const std::string name = macroList_->item(row)->text().toStdString();
    const Status status = ctx_.library.saveMacro(name, toLines(eventLines()), ctx_.config);
    if (!status.ok()) {
        ctx_.messages.showMessage(status.message, kWarning);
    }
}

void MacroEditor::startRecording() {
    if (!controlsExist()) {
        return;
    }
    if (macroList_->count() == 0) {
        showMessage(TextId::MacroNameBlank, kWarning);
        return;
    }
    showMessage(TextId::StartRecording, {});
    recorder_->stop();
    eventList_->clear();
    recorder_->start();
    ctx_.window.setWindowTitle(fromUtf8(text(ctx_.language, TextId::RecordingHint)));
}

void MacroEditor::stopRecording() {
    showMessage(TextId::StopRecording, {});
    if (!recorder_->stop()) {
        showMessage(TextId::NotRecording, kWarning);
    }
}

void MacroEditor::applyRecordedLines(int dropLast, const QStringList& append) {
    if (eventList_.isNull()) {
        return;
    }
    for (int i = 0; i < dropLast && eventList_->count() > 0; ++i) {
        delete eventList_->takeItem(eventList_->count() - 1);
    }
    eventList_->addItems(append);
    eventList_->scrollToBottom();
}

void MacroEditor::insertMouseEvent(int entry) {
    if (entry < 0 || static_cast<std::size_t>(entry) >= kMouseEventEntries.size() || !controlsExist()) {
        return;
    }
    const std::string_view chosen = kMouseEventEntries[static_cast<std::size_t>(entry)];
    const std::optional<MouseEventInsertion> insertion =
        mouseEventInsertion(chosen, toLines(eventLines()), selectedLine(), selectedMacro() >= 0);
    if (insertion) {
        recorder_->eventListChanged();
        int at = static_cast<int>(insertion->at);
        for (const std::string& line : insertion->lines) {
            eventList_->insertItem(at++, QString::fromStdString(line));
        }
        if (insertion->select) {
            eventList_->setCurrentRow(static_cast<int>(*insertion->select));
        }
    }
    mouseEventBox_->setText(fromUtf8(chosen));
    mouseEvents_->close();
}

void MacroEditor::editDelay() {
    const std::optional<std::size_t> line = selectedLine();
    if (!line || !isDelayLine(eventList_->item(static_cast<int>(*line))->text().toStdString())) {
        return;
    }
    const std::optional<std::string> typed = ctx_.dialogs.chooseDelay(ctx_.dialogHost());
    if (!typed || eventList_.isNull() || static_cast<int>(*line) >= eventList_->count()) {
        return;
    }
    const int row = static_cast<int>(*line);
    recorder_->eventListChanged();
    eventList_->item(row)->setText(QString::fromStdString(delayLineFromTyped(*typed)));
    eventList_->setCurrentRow(row);
}

void MacroEditor::deleteSelectedLine() {
    if (const std::optional<std::size_t> line = selectedLine()) {
        recorder_->eventListChanged();
        delete eventList_->takeItem(static_cast<int>(*line));
    }
}

void MacroEditor::showContextMenu(QPoint at) {
    auto* menu = new QMenu(&ctx_.window);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(fromUtf8(text(ctx_.language, TextId::Delete)), this, &MacroEditor::deleteSelectedLine);
    menu->popup(eventList_->viewport()->mapToGlobal(at));
}

bool MacroEditor::eventFilter(QObject* watched, QEvent* event) {
    // The line under the pointer, or the last when the pointer is past it, becomes the selection.
    // Compared as objects only: a list being destroyed is no longer a list.
    if (event->type() == QEvent::MouseMove && watched == eventViewport_.data() && !eventList_.isNull() &&
        eventList_->count() > 0) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        const QModelIndex index = eventList_->indexAt(at);
        const int row = index.isValid() ? index.row() : eventList_->count() - 1;
        if (row != eventList_->currentRow() || eventList_->selectedItems().isEmpty()) {
            eventList_->setCurrentRow(row);
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace q417
