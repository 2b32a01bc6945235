#pragma once

#include "skin/drop_down_regions.h"

#include <QListWidget>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>

class QPoint;
class QWidget;

namespace q417 {

// Gives a list the look of the skinned lists: white on black (the main window's lists) or on dark
// grey, with a thin border, in `font`, scrolling a row at a time.
void styleSkinList(QListWidget& list, const QFont& font, bool black);

// Fits a filled list's rows to its width: no sideways scrolling, and one font for every row, the
// largest (down to the smallest readable size) in which the widest row fits.
void fitListRows(QListWidget& list);

// The skinned drop-down: a click on the box (drawn by the skin) toggles a list shown below it. The
// list exists only while open and is filled afresh each time it opens; a choice or a click
// anywhere outside the box and the list closes it.
class SkinDropDown : public QObject {
    Q_OBJECT
public:
    struct Options {
        DropDownRegions regions;
        bool hotTracking = false;   // the row under the moving pointer becomes the selection
        bool wheelScrolls = false;  // the host's wheel scrolls the open list
        bool closesOnChoice = true; // false: the host decides whether a chosen row closes the list
        bool blackList = false;     // white on black, as the main window's lists; else on dark grey
    };
    using RowSource = std::function<QStringList()>;

    // The list is a child of `host`, which owns this object too.
    SkinDropDown(QWidget& host, Options options, RowSource rows);

    [[nodiscard]] bool isOpen() const { return !list_.isNull(); }
    [[nodiscard]] const Options& options() const { return options_; }
    // The list while it is open, else null.
    [[nodiscard]] QListWidget* list() const { return list_.data(); }

    // Moves the box and the list; takes effect at the next opening.
    void setRegions(const DropDownRegions& regions) { options_.regions = regions; }

    void toggle();
    void open();
    void close();
    // A left click on the host: closes the list when the point is outside the box and the list.
    // True when it closed it.
    bool closeOnClickAt(QPoint point);
    // Takes `row` as the user's choice, as a click on it does: `chosen`, then the list closes
    // unless the host closes it itself. A row that is not in the list changes nothing.
    void choose(int row);
    // The host's wheel: three rows towards the start for a positive delta, towards the end for any
    // other. False when the list is closed or does not scroll by the host's wheel.
    bool scrollByWheel(int delta);

signals:
    void openChanged(bool open);
    void chosen(int row, const QString& text);
    // Hot tracking moved the selection to `row`.
    void rowHovered(int row);

private:
    QWidget& host_;
    Options options_;
    RowSource rows_;
    QPointer<QListWidget> list_;
};

} // namespace q417
