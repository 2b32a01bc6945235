// The main window's background and the backgrounds of its two pages. Texts that change with the
// language are drawn by the program; these images leave room for them at the pages' coordinates.
#include "art.h"
#include "mouse_drawing.h"
#include "skin/skin_files.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace q417::art {

namespace {

constexpr int kTitleBarBottom = 34;
constexpr int kHeaderBottom = 104; // below the page buttons and the page title
constexpr int kBottomBarTop = 592; // the web link and OK, Apply, Cancel sit below this

// Shared by every page: window, title bar, header and bottom bar.
void windowFrame(QPainter& p, const Palette& c, int bottomBarTop = kBottomBarTop) {
    const QRectF all(0, 0, kMainWindowSize.width(), kMainWindowSize.height());
    QLinearGradient base(all.topLeft(), all.bottomLeft());
    base.setColorAt(0, c.baseTop);
    base.setColorAt(1, c.baseBottom);
    p.fillRect(all, base);
    glow(p, QPointF(all.center().x(), 330), 420, c.accent, 18);

    titleBar(p, all.width(), kTitleBarBottom, c);

    // The mark and name of the program.
    p.save();
    p.setPen(Qt::NoPen);
    QPolygonF diamond({QPointF(22, 8), QPointF(31, 17), QPointF(22, 26), QPointF(13, 17)});
    QLinearGradient mark(QPointF(13, 8), QPointF(31, 26));
    mark.setColorAt(0, c.accent.lighter(120));
    mark.setColorAt(1, c.accentSoft);
    p.setBrush(mark);
    p.drawPolygon(diamond);
    p.setBrush(c.titleBottom);
    p.drawPolygon(QPolygonF({QPointF(22, 13), QPointF(26, 17), QPointF(22, 21), QPointF(18, 17)}));
    p.restore();
    text(p, QRectF(38, 0, 60, kTitleBarBottom), "Q417", uiFont(15, true, 0.5), c.ink, Qt::AlignLeft | Qt::AlignVCenter);
    text(p, QRectF(84, 1, 220, kTitleBarBottom), "GAMING MOUSE CONFIGURATOR", uiFont(10, false, 1.6), c.inkMuted,
         Qt::AlignLeft | Qt::AlignVCenter);

    fadedLine(p, 14, 876, kHeaderBottom + 0.5, c.panelEdge);

    QLinearGradient bottom(QPointF(0, bottomBarTop), QPointF(0, all.height()));
    bottom.setColorAt(0, QColor(0, 0, 0, 40));
    bottom.setColorAt(1, QColor(0, 0, 0, 90));
    p.fillRect(QRectF(0, bottomBarTop, all.width(), all.height() - bottomBarTop), bottom);
    fadedLine(p, 0, all.width(), bottomBarTop + 0.5, c.panelEdge);
    // The web link's underline.
    fadedLine(p, 330, 474, 615.5, c.accentDeep);

    p.save();
    p.setPen(QPen(c.panelEdge, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(all.adjusted(0.5, 0.5, -0.5, -0.5));
    p.restore();
}

QImage mainBackground(const Palette& c) {
    QImage image = blank(kMainWindowSize);
    Brush p(image);
    windowFrame(*p, c);
    // Until a page is built (no mouse yet), a large quiet outline of the mouse.
    QColor line = c.accent;
    line.setAlpha(60);
    QColor fill = c.panelTop;
    fill.setAlpha(120);
    glow(*p, QPointF(445, 345), 200, c.accent, 22);
    drawMouseSilhouette(*p, QPointF(445 - 75, 345 - 128), 1.5, line, fill);
    return image;
}

// The advanced page's Default button sits in the bottom bar, left of the link.
constexpr int kAdvancedBottomBarTop = 579;

// An emblem on a round plate: the plate, then `glyph` drawn with the pen set up.
template <typename Glyph> void emblem(QPainter& p, QPointF centre, const Palette& c, Glyph glyph) {
    glow(p, centre, 44, c.accent, 26);
    roundedFill(p, QRectF(centre.x() - 28, centre.y() - 28, 56, 56), 28, c.panelHeader, c.well, c.panelEdge);
    p.save();
    QPen pen(c.accent, 2);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    glyph(p);
    p.restore();
}

// A pointer with speed lines behind it.
void pointerEmblem(QPainter& p, QPointF at, const Palette& c) {
    emblem(p, at, c, [at, &c](QPainter& q) {
        const QPolygonF arrow({at + QPointF(-4, -14), at + QPointF(-4, 8), at + QPointF(1, 3), at + QPointF(5, 12),
                               at + QPointF(8, 10.5), at + QPointF(4, 1.5), at + QPointF(11, 1.5)});
        q.setBrush(c.accentDeep);
        q.drawPolygon(arrow);
        q.setPen(QPen(c.inkMuted, 1.6, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 3; ++i) {
            q.drawLine(at + QPointF(-18, -7 + 6 * i), at + QPointF(-10 + 2 * (i % 2), -7 + 6 * i));
        }
    });
}

// A wheel between an up and a down arrow.
void wheelEmblem(QPainter& p, QPointF at, const Palette& c) {
    emblem(p, at, c, [at, &c](QPainter& q) {
        q.drawRoundedRect(QRectF(at.x() - 5, at.y() - 10, 10, 20), 5, 5);
        q.setPen(QPen(c.inkMuted, 1.2));
        for (int i = -1; i <= 1; ++i) {
            q.drawLine(at + QPointF(-2.5, 5.0 * i), at + QPointF(2.5, 5.0 * i));
        }
        q.setPen(QPen(c.ink, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        q.drawPolyline(QPolygonF({at + QPointF(-5, -15), at + QPointF(0, -20), at + QPointF(5, -15)}));
        q.drawPolyline(QPolygonF({at + QPointF(-5, 15), at + QPointF(0, 20), at + QPointF(5, 15)}));
    });
}

// A button pressed twice: a fingertip dot with two rings.
void doubleClickEmblem(QPainter& p, QPointF at, const Palette& c) {
    emblem(p, at, c, [at, &c](QPainter& q) {
        q.setPen(Qt::NoPen);
        q.setBrush(c.accent);
        q.drawEllipse(at, 4, 4);
        q.setBrush(Qt::NoBrush);
        q.setPen(QPen(c.accent, 1.8));
        q.drawEllipse(at, 10, 10);
        QColor outer = c.accent;
        outer.setAlpha(120);
        q.setPen(QPen(outer, 1.6));
        q.drawEllipse(at, 16, 16);
    });
}

// Rails behind the cells of a row of `count` cells `pitch` apart.
void cellRail(QPainter& p, const QRectF& firstCell, int count, qreal pitch, const Palette& c) {
    const QRectF rail(firstCell.left() - 4, firstCell.top() - 4, (count - 1) * pitch + firstCell.width() + 8,
                      firstCell.height() + 8);
    well(p, rail, c);
}

QImage basicPage(const Palette& c) {
    QImage image = blank(kMainWindowSize);
    Brush p(image);
    windowFrame(*p, c);

    // The mouse, its buttons numbered as the key rows.
    panel(*p, QRectF(14, 150, 216, 441), c);
    drawMouse(*p, QPointF(50, 262), 1.45, c, true, 21);

    // Key rows, then the mode buttons and Default below them.
    panel(*p, QRectF(240, 150, 236, 431), c, 191);
    headingTab(*p, {259, 160, 364, 181}, 150, c);
    fadedLine(*p, 250, 466, 506.5, c.panelEdge);

    // Report rate: four cells on one rail, their labels below.
    panel(*p, QRectF(488, 150, 388, 108), c, 191);
    headingTab(*p, {504, 161, 609, 182}, 150, c);
    cellRail(*p, QRectF(542, 204, 70, 11), 4, 72, c);

    // DPI stages: four columns of level cells, colour swatches and tick boxes under them.
    panel(*p, QRectF(488, 270, 198, 321), c, 301);
    headingTab(*p, {504, 275, 609, 296}, 270, c);
    for (int stage = 0; stage < 4; ++stage) {
        const qreal x = 554 + 27 * stage;
        well(*p, QRectF(x - 3, 299, 22, 220), c);
        well(*p, QRectF(x - 2, 521, 20, 20), c);
    }
    fadedLine(*p, 494, 680, 519.5, c.panelEdge);

    // Lighting: three value fields with their drop-down arrows.
    panel(*p, QRectF(694, 270, 182, 321), c, 301);
    headingTab(*p, {704, 275, 809, 296}, 270, c);
    for (const int top : {330, 360, 390}) {
        well(*p, QRectF(766, top - 1, 86, 16), c, 835);
    }
    // A strip of the colours the mouse can show.
    QLinearGradient spectrum(QPointF(712, 0), QPointF(858, 0));
    const QColor hues[] = {QColor(255, 60, 60),  QColor(255, 200, 40), QColor(60, 230, 90),
                           QColor(40, 200, 255), QColor(110, 90, 255), QColor(255, 60, 200)};
    for (int i = 0; i < 6; ++i) {
        spectrum.setColorAt(i / 5.0, hues[i]);
    }
    p->save();
    p->setPen(Qt::NoPen);
    p->setBrush(spectrum);
    p->setOpacity(0.75);
    p->drawRoundedRect(QRectF(712, 560, 146, 4), 2, 2);
    p->restore();
    return image;
}

QImage advancedPage(const Palette& c) {
    QImage image = blank(kMainWindowSize);
    Brush p(image);
    windowFrame(*p, c, kAdvancedBottomBarTop);

    // System pointer settings: three rows of eleven cells, two tick boxes, an emblem for each row.
    panel(*p, QRectF(24, 150, 420, 428), c);
    for (const int top : {200, 350, 500}) {
        cellRail(*p, QRectF(52, top, 24, 11), 11, 24, c);
    }
    pointerEmblem(*p, QPointF(388, 214), c);
    wheelEmblem(*p, QPointF(388, 364), c);
    doubleClickEmblem(*p, QPointF(388, 514), c);
    fadedLine(*p, 34, 434, 296.5, c.panelEdge);
    fadedLine(*p, 34, 434, 446.5, c.panelEdge);
    emptyTickBox(*p, QRectF(51, 255, 16, 16), c);
    emptyTickBox(*p, QRectF(51, 405, 16, 16), c);

    // Macros: two lists side by side, the record options on the right.
    panel(*p, QRectF(450, 150, 426, 428), c, 191);
    headingTab(*p, {469, 160, 578, 181}, 150, c);
    roundedFill(*p, QRectF(457, 196, 418, 24), 3, c.panelHeader.lighter(110), c.panelHeader, c.panelEdge);
    p->fillRect(QRectF(591, 199, 1, 18), c.panelEdge);
    p->fillRect(QRectF(725, 199, 1, 18), c.panelEdge);
    for (const QRectF& list : {QRectF(461, 219, 131, 294), QRectF(591, 219, 135, 294)}) {
        roundedFill(*p, list, 2, QColor(14, 15, 14), QColor(14, 15, 14), c.wellEdge);
    }
    // Record and stop buttons.
    const QRectF record(735, 229, 29, 29);
    const QRectF stop(735, 265, 29, 29);
    for (const QRectF& r : {record, stop}) {
        p->save();
        p->setPen(QPen(c.controlEdge, 1));
        QLinearGradient plate(r.topLeft(), r.bottomLeft());
        plate.setColorAt(0, c.control);
        plate.setColorAt(1, c.controlLow);
        p->setBrush(plate);
        p->drawEllipse(r.adjusted(0.5, 0.5, -0.5, -0.5));
        p->restore();
    }
    glow(*p, record.center(), 13, QColor(255, 60, 60), 90);
    p->setPen(Qt::NoPen);
    p->setBrush(QColor(235, 64, 64));
    p->drawEllipse(record.center(), 6, 6);
    roundedFill(*p, QRectF(stop.center().x() - 5.5, stop.center().y() - 5.5, 11, 11), 1.5, c.ink, c.inkMuted);
    // Name and loop boxes, the mouse-event box with its arrow.
    well(*p, QRectF(734, 321, 66, 16), c);
    well(*p, QRectF(734, 361, 66, 16), c);
    well(*p, QRectF(734, 401, 121, 16), c, 839);
    fadedLine(*p, 460, 866, 519.5, c.panelEdge);
    return image;
}

} // namespace

std::vector<Artwork> windowArtworks() {
    return {
        {skin::kMainBackground, dithered<mainBackground>},
        {skin::kBasicPage, dithered<basicPage>},
        {skin::kAdvancedPage, dithered<advancedPage>},
    };
}

} // namespace q417::art
