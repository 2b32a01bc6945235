#pragma once

#include "skin/rect.h"

#include <QApplication>
#include <QImage>
#include <QListWidget>
#include <QStringList>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>

namespace q417::test {

// Points inside every skinned dialog's OK, Cancel and close buttons, and on none of them.
inline constexpr QPoint kDialogOk{200, 260};
inline constexpr QPoint kDialogCancel{300, 260};
inline constexpr QPoint kDialogClose{360, 12};
inline constexpr QPoint kDialogElsewhere{300, 150};

// Drives a shown dialog as the user would: through its window, so every event reaches the widget
// under the pointer (a list row, a field, or the dialog through a field that lets clicks pass).

inline void activate(QWidget& dialog) {
    dialog.show();
    dialog.activateWindow();
    QCoreApplication::processEvents(); // the offscreen platform activates through the event queue
}

// A click straight to `widget`, as its own event handler sees it, not through the window.
inline void click(QWidget& widget, QPoint point) {
    QTest::mouseClick(&widget, Qt::LeftButton, {}, point);
}

inline void clickAt(QWidget& dialog, QPoint point) {
    QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, {}, point);
}

inline void moveTo(QWidget& dialog, QPoint point) {
    QTest::mouseMove(dialog.windowHandle(), point);
}

inline void press(QWidget& dialog, Qt::Key key) {
    QTest::keyClick(dialog.windowHandle(), key);
}

// Where row `row` of an open list shows in the dialog, after scrolling it into view.
inline QPoint rowPoint(QWidget& dialog, QListWidget& list, int row) {
    QListWidgetItem* item = list.item(row);
    list.scrollToItem(item);
    return list.viewport()->mapTo(&dialog, list.visualItemRect(item).center());
}

inline void clickRow(QWidget& dialog, QListWidget& list, int row) {
    clickAt(dialog, rowPoint(dialog, list, row));
}

// One notch of the wheel over `point` of the dialog; positive turns away from the user.
inline void wheel(QWidget& dialog, QPoint point, int delta) {
    QWheelEvent event(QPointF(point), dialog.mapToGlobal(QPointF(point)), {}, {0, delta}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&dialog, &event);
}

inline QStringList rowsOf(const QListWidget& list) {
    QStringList rows;
    for (int i = 0; i < list.count(); ++i) {
        rows << list.item(i)->text();
    }
    return rows;
}

// The rows of `image` inside `rect` that hold white text, as first and last row; {-1, -1} when none.
inline std::pair<int, int> whiteRowsIn(const QImage& image, const Rect& rect) {
    int first = -1;
    int last = -1;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            if (qGray(image.pixel(x, y)) > 200) {
                first = first < 0 ? y : first;
                last = y;
                break;
            }
        }
    }
    return {first, last};
}

} // namespace q417::test
