#pragma once

#include "config/mouse_config.h"
#include "dialogs/dialog_runner.h"
#include "macro/macro_library.h"
#include "pages/page_painter.h"
#include "platform/message_sink.h"
#include "texts/key_labels.h"
#include "texts/main_window_texts.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <optional>

class QPoint;
class QWidget;

namespace q417 {

class KeyNameSource;
class MacroRecorder;
class SkinDropDown;

// What the macro area edits and reaches.
struct MacroEditorContext {
    QWidget& window; // parent of the controls
    PagePainter& painter;
    MouseConfig& config; // its slots' repeat counts, and the slots compiled on Confirm and Delete
    KeyLabels& labels;   // buttons that played a deleted macro are labelled Key Off
    Language language;
    MessageSink& messages;
    DialogRunner& dialogs;
    std::function<DialogHost()> dialogHost;
    MacroLibrary& library;
    const KeyNameSource& keyNames;
};

// The macro area of the advanced page: the macros of record.ini, the lines of the selected one, the
// name and loop-times boxes, the mouse-event drop-down, New, Delete, Confirm, and the recorder's
// Start and Stop. The event list is the working copy of the selected macro: its lines reach
// record.ini only with Confirm, and the slots reach the mouse only with OK or Apply.
class MacroEditor : public QObject {
    Q_OBJECT
public:
    explicit MacroEditor(MacroEditorContext context);

    // The texts of the area, drawn with the page.
    void drawTexts();
    // Creates the controls and fills them from record.ini.
    void createControls();
    // Destroys the controls and the drop-down, and stops a recording without a word.
    void destroyControls();
    [[nodiscard]] bool controlsExist() const { return !macroList_.isNull(); }

    // Closes the mouse-event drop-down when the click is for neither it nor its box.
    void closeListsFor(QPoint point);
    void toggleMouseEvents();

    void newMacro();
    void deleteMacro();
    void confirmMacro();
    void startRecording();
    void stopRecording();
    // The user selected the macro at `row` of the macro list.
    void selectMacro(int row);
    // A drop-down entry chosen, as a click on it does.
    void insertMouseEvent(int entry);
    // A double click on the selected line of the event list.
    void editDelay();
    // The context menu's Delete: the selected line of the event list goes.
    void deleteSelectedLine();

    [[nodiscard]] bool recording() const;
    [[nodiscard]] QListWidget* macroList() const { return macroList_.data(); }
    [[nodiscard]] QListWidget* eventList() const { return eventList_.data(); }
    [[nodiscard]] QLineEdit* nameBox() const { return nameBox_.data(); }
    [[nodiscard]] QLineEdit* loopBox() const { return loopBox_.data(); }
    [[nodiscard]] QLabel* mouseEventBox() const { return mouseEventBox_.data(); }
    [[nodiscard]] SkinDropDown& mouseEvents() { return *mouseEvents_; }
    [[nodiscard]] MacroRecorder& recorder() { return *recorder_; }
    [[nodiscard]] QStringList eventLines() const;

signals:
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyLoopTimes(const QString& text);
    // Sets the loop-times box as the program does: the rule runs once, whether the text changed or not.
    void showLoopTimes(const QString& text);
    void showLines(const std::vector<std::string>& lines);
    void selectRowQuietly(int row);
    void applyRecordedLines(int dropLast, const QStringList& append);
    void showContextMenu(QPoint at);
    void showMessage(TextId id, const std::string& caption);
    [[nodiscard]] std::optional<std::size_t> selectedLine() const;
    [[nodiscard]] int selectedMacro() const;
    QListWidget* makeList(const Rect& rect);
    QLineEdit* makeBox(const Rect& rect);

    MacroEditorContext ctx_;
    SkinDropDown* mouseEvents_; // children of this editor
    MacroRecorder* recorder_;
    QPointer<QListWidget> macroList_;
    QPointer<QListWidget> eventList_;
    QPointer<QWidget> eventViewport_; // the event list's viewport, watched for hover selection
    QPointer<QLineEdit> nameBox_;
    QPointer<QLineEdit> loopBox_;
    QPointer<QLabel> mouseEventBox_;
};

} // namespace q417
