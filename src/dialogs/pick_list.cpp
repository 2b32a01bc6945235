#include "dialogs/pick_list.h"

#include "skin/skin_canvas.h"

#include <QListWidget>
#include <QScrollBar>

namespace q417 {

namespace {

constexpr int kScrollBarWidth = 9;
// The room a row's text loses to the view's margins on both sides.
constexpr int kRowMargins = 8;

// A thin bar in the list's own dark grey, in place of the desktop's wide light one.
constexpr const char* kScrollBarStyle = "QScrollBar:vertical { background: rgb(40, 40, 40); width: 9px; margin: 0; }"
                                        "QScrollBar::handle:vertical { background: rgb(150, 150, 150);"
                                        " min-height: 16px; border-radius: 3px; }"
                                        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
                                        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical"
                                        " { background: none; }";

} // namespace

void fitPickList(QListWidget& list) {
    list.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list.setStyleSheet(list.styleSheet() + kScrollBarStyle);
    const int inside = list.height() - 2 * list.frameWidth();
    const bool scrolls = list.count() > 0 && list.count() * list.sizeHintForRow(0) > inside;
    const int width = list.width() - 2 * list.frameWidth() - (scrolls ? kScrollBarWidth : 0) - kRowMargins;
    // One font for every row, the largest in which the widest row fits.
    QFont font = list.font();
    for (int row = 0; row < list.count(); ++row) {
        const FittedText fitted = fitText(list.item(row)->text(), font, width);
        font = fitted.font;
    }
    list.setFont(font);
}

} // namespace q417
