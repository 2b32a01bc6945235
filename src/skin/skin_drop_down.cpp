#include "skin/skin_drop_down.h"

#include "skin/skin_canvas.h"

#include <QListWidget>
#include <QPoint>
#include <QScrollBar>
#include <QWidget>

namespace q417 {

namespace {

constexpr int kWheelRows = 3;

// White on dark grey with a thin border, whatever the desktop's style.
constexpr const char* kListStyle = "QListWidget { color: white; background: rgb(40, 40, 40);"
                                   " border: 1px solid rgb(120, 120, 120); outline: 0; }"
                                   "QListWidget::item:selected { color: black; background: rgb(200, 200, 200); }";
constexpr const char* kBlackListStyle = "QListWidget { color: white; background: black;"
                                        " border: 1px solid rgb(120, 120, 120); outline: 0; }"
                                        "QListWidget::item:selected { color: black; background: white; }";
// A thin bar in the list's own colour, in place of the desktop's wide light one.
constexpr int kScrollBarWidth = 9;
constexpr const char* kScrollBarStyle = "QScrollBar:vertical { background: %1; width: 9px; margin: 0; }"
                                        "QScrollBar::handle:vertical { background: rgb(150, 150, 150);"
                                        " min-height: 16px; border-radius: 3px; }"
                                        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
                                        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical"
                                        " { background: none; }";
// The room a row's text loses to the view's margins on both sides.
constexpr int kRowMargins = 8;

} // namespace

void styleSkinList(QListWidget& list, const QFont& font, bool black) {
    list.setFont(font);
    list.setStyleSheet(QString(black ? kBlackListStyle : kListStyle) +
                       QString(kScrollBarStyle).arg(black ? "black" : "rgb(40, 40, 40)"));
    list.setFrameShape(QFrame::Box);
    list.setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    list.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void fitListRows(QListWidget& list) {
    const int inside = list.height() - 2 * list.frameWidth();
    const bool scrolls = list.count() > 0 && list.count() * list.sizeHintForRow(0) > inside;
    const int width = list.width() - 2 * list.frameWidth() - (scrolls ? kScrollBarWidth : 0) - kRowMargins;
    // One font for every row: the largest in which the widest row fits.
    QFont font = list.font();
    for (int row = 0; row < list.count(); ++row) {
        font = fitText(list.item(row)->text(), font, width).font;
    }
    list.setFont(font);
}

SkinDropDown::SkinDropDown(QWidget& host, Options options, RowSource rows)
    : QObject(&host)
    , host_(host)
    , options_(options)
    , rows_(std::move(rows)) {}

void SkinDropDown::toggle() {
    if (isOpen()) {
        close();
    } else {
        open();
    }
}

void SkinDropDown::open() {
    if (isOpen()) {
        return;
    }
    const Rect& r = options_.regions.list;
    auto* list = new QListWidget(&host_); // owned by the host until closed
    list->setGeometry(r.left, r.top, r.width(), r.height());
    styleSkinList(*list, host_.font(), options_.blackList);
    list->addItems(rows_ ? rows_() : QStringList{});
    fitListRows(*list);
    if (options_.hotTracking) {
        list->setMouseTracking(true);
        connect(list, &QListWidget::itemEntered, this, [this, list](QListWidgetItem* item) {
            list->setCurrentItem(item);
            emit rowHovered(list->row(item));
        });
    }
    connect(list, &QListWidget::itemClicked, this, [this, list](QListWidgetItem* item) { choose(list->row(item)); });
    connect(list, &QListWidget::itemActivated, this, [this, list](QListWidgetItem* item) { choose(list->row(item)); });
    list_ = list;
    list->show();
    emit openChanged(true);
}

void SkinDropDown::close() {
    if (!isOpen()) {
        return;
    }
    QListWidget* list = list_.data();
    list_.clear();
    list->hide();
    list->deleteLater(); // a choice closes the list from inside the list's own signal
    emit openChanged(false);
}

bool SkinDropDown::closeOnClickAt(QPoint point) {
    if (!isOpen() || !options_.regions.closesOn(point.x(), point.y())) {
        return false;
    }
    close();
    return true;
}

void SkinDropDown::choose(int row) {
    if (!isOpen() || row < 0 || row >= list_->count()) {
        return;
    }
    const QString text = list_->item(row)->text();
    emit chosen(row, text);
    if (options_.closesOnChoice) {
        close();
    }
}

bool SkinDropDown::scrollByWheel(int delta) {
    if (!isOpen() || !options_.wheelScrolls) {
        return false;
    }
    QScrollBar* bar = list_->verticalScrollBar();
    bar->setValue(bar->value() + (delta > 0 ? -kWheelRows : kWheelRows));
    return true;
}

} // namespace q417
