// The small images: buttons, drop-down boxes, slider cells and tick boxes, each sized to the
// rectangle the windows draw it at.
#include "art.h"
#include "skin/skin_files.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace q417::art {

namespace {

constexpr QSize kTextButton{105, 21};  // OK, Cancel, Apply, Default, New, ...
constexpr QSize kFrameButton{18, 18};  // close, minimise, skins
constexpr QSize kPageButton{40, 40};   // previous and next page
constexpr QSize kDropdownBox{211, 21}; // a key row of the basic page
constexpr QSize kDpiCell{16, 16};      // a DPI level cell
constexpr QSize kRateCell{70, 11};     // a report-rate cell
constexpr QSize kSystemCell{24, 11};   // a pointer-setting cell; the cells touch, so it keeps a gap
constexpr QSize kTickBox{16, 16};

QImage textButton(const Palette& c, bool over) {
    QImage image = blank(kTextButton);
    Brush p(image);
    const QRectF r(0.5, 0.5, kTextButton.width() - 1, kTextButton.height() - 1);
    if (over) {
        roundedFill(*p, r, 3, c.accentSoft, c.accentDeep, c.accent);
    } else {
        roundedFill(*p, r, 3, c.control, c.controlLow, c.controlEdge);
    }
    // A sheen on the upper half.
    fadedLine(*p, 4, kTextButton.width() - 4, 1.5, QColor(255, 255, 255, over ? 90 : 45));
    return image;
}

// The square buttons of the frame: a rounded plate with a glyph on it.
template <typename Glyph> QImage frameButton(const Palette& c, bool over, QColor overPlate, Glyph glyph) {
    QImage image = blank(kFrameButton);
    Brush p(image);
    const QRectF r(0.5, 0.5, 17, 17);
    if (over) {
        roundedFill(*p, r, 4, overPlate.lighter(115), overPlate, overPlate.lighter(140));
    } else {
        roundedFill(*p, r, 4, c.control, c.controlLow, c.controlEdge);
    }
    QPen pen(over ? QColor(Qt::white) : c.ink, 1.6);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p->setPen(pen);
    glyph(*p);
    return image;
}

QImage closeButton(const Palette& c, bool over) {
    return frameButton(c, over, c.danger, [](QPainter& p) {
        p.drawLine(QPointF(5.5, 5.5), QPointF(12.5, 12.5));
        p.drawLine(QPointF(12.5, 5.5), QPointF(5.5, 12.5));
    });
}

QImage minimiseButton(const Palette& c, bool over) {
    return frameButton(c, over, c.accentSoft, [](QPainter& p) { p.drawLine(QPointF(5, 12), QPointF(13, 12)); });
}

QImage skinsButton(const Palette& c, bool over) {
    const QColor fill = over ? QColor(Qt::white) : c.accent;
    return frameButton(c, over, c.accentSoft, [fill](QPainter& p) {
        // Light and dark halves: the look of the window.
        p.drawEllipse(QRectF(4, 4, 10, 10));
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawPie(QRectF(4, 4, 10, 10), 90 * 16, -180 * 16);
    });
}

QImage pageButton(const Palette& c, bool over, Chevron direction) {
    QImage image = blank(kPageButton);
    Brush p(image);
    const QRectF ring(1.5, 1.5, 37, 37);
    p->setPen(Qt::NoPen);
    QLinearGradient fill(ring.topLeft(), ring.bottomLeft());
    fill.setColorAt(0, over ? c.accentSoft : c.control);
    fill.setColorAt(1, over ? c.accentDeep : c.controlLow);
    p->setBrush(fill);
    p->drawEllipse(ring);
    p->setBrush(Qt::NoBrush);
    p->setPen(QPen(over ? c.accent : c.controlEdge, 1.2));
    p->drawEllipse(ring);
    p->setPen(QPen(QColor(255, 255, 255, over ? 70 : 35), 1));
    p->drawArc(ring.adjusted(2, 2, -2, -2), 35 * 16, 110 * 16);
    const QRectF arrow = direction == Chevron::Left ? QRectF(15, 12.5, 8, 15) : QRectF(17, 12.5, 8, 15);
    chevron(*p, arrow, over ? QColor(Qt::white) : c.accent, direction, 2.4);
    return image;
}

QImage dropdownBox(const Palette& c, bool over) {
    QImage image = blank(kDropdownBox);
    Brush p(image);
    const QRectF r(0.5, 0.5, kDropdownBox.width() - 1, kDropdownBox.height() - 1);
    roundedFill(*p, r, 3, over ? c.panelHeader.lighter(125) : c.panelHeader, over ? c.panelHeader : c.well,
                over ? c.accent : c.wellEdge);
    // The row number sits in the first 20 pixels, on a plate of its own.
    roundedFill(*p, QRectF(1.5, 1.5, 18, 18), 2.5, over ? c.accentSoft : c.control, over ? c.accentDeep : c.controlLow);
    chevron(*p, QRectF(197, 8.5, 8, 4), over ? c.accent : c.inkMuted, Chevron::Down, 1.6);
    return image;
}

QImage dpiCell(const Palette& c, bool light) {
    QImage image = blank(kDpiCell);
    Brush p(image);
    const QRectF r(1.5, 1.5, 13, 13);
    if (light) {
        glow(*p, QPointF(8, 8), 8, c.accent, 120);
        roundedFill(*p, r, 2.5, c.accent.lighter(120), c.accentSoft, c.accent.lighter(140));
    } else {
        roundedFill(*p, r, 2.5, c.controlLow, c.well, c.wellEdge);
    }
    return image;
}

QImage barCell(const Palette& c, bool light, QSize size, qreal gap) {
    QImage image = blank(size);
    Brush p(image);
    const QRectF r(gap + 0.5, 1.5, size.width() - 2 * gap - 1, size.height() - 3);
    if (light) {
        roundedFill(*p, r, 2.5, c.accent.lighter(115), c.accentSoft, c.accent.lighter(130));
        fadedLine(*p, r.left() + 2, r.right() - 2, 2.5, QColor(255, 255, 255, 110));
    } else {
        roundedFill(*p, r, 2.5, c.controlLow, c.well, c.wellEdge);
    }
    return image;
}

QImage tickBox(const Palette& c, bool ticked) {
    QImage image = blank(kTickBox);
    Brush p(image);
    emptyTickBox(*p, QRectF(0, 0, 16, 16), c);
    if (ticked) {
        roundedFill(*p, QRectF(1, 1, 14, 14), 2.5, c.accentSoft, c.accentDeep, c.accent);
        QPen pen(Qt::white, 2);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        p->setPen(pen);
        p->drawPolyline(QPolygonF({QPointF(4, 8.2), QPointF(6.8, 11), QPointF(12, 5)}));
    }
    return image;
}

} // namespace

std::vector<Artwork> controlArtworks() {
    return {
        {skin::kButtonNormal,
         [](const Palette& c) {
             return textButton(c, false);
         }},
        {skin::kButtonOver,
         [](const Palette& c) {
             return textButton(c, true);
         }},
        {skin::kCloseNormal,
         [](const Palette& c) {
             return closeButton(c, false);
         }},
        {skin::kCloseOver,
         [](const Palette& c) {
             return closeButton(c, true);
         }},
        {skin::kMinimiseNormal,
         [](const Palette& c) {
             return minimiseButton(c, false);
         }},
        {skin::kMinimiseOver,
         [](const Palette& c) {
             return minimiseButton(c, true);
         }},
        {skin::kSkinsNormal,
         [](const Palette& c) {
             return skinsButton(c, false);
         }},
        {skin::kSkinsOver,
         [](const Palette& c) {
             return skinsButton(c, true);
         }},
        {skin::kPreviousPageNormal,
         [](const Palette& c) {
             return pageButton(c, false, Chevron::Left);
         }},
        {skin::kPreviousPageOver,
         [](const Palette& c) {
             return pageButton(c, true, Chevron::Left);
         }},
        {skin::kNextPageNormal,
         [](const Palette& c) {
             return pageButton(c, false, Chevron::Right);
         }},
        {skin::kNextPageOver,
         [](const Palette& c) {
             return pageButton(c, true, Chevron::Right);
         }},
        {skin::kDropdownNormal,
         [](const Palette& c) {
             return dropdownBox(c, false);
         }},
        {skin::kDropdownOver,
         [](const Palette& c) {
             return dropdownBox(c, true);
         }},
        {skin::kDpiCellLight,
         [](const Palette& c) {
             return dpiCell(c, true);
         }},
        {skin::kDpiCellDark,
         [](const Palette& c) {
             return dpiCell(c, false);
         }},
        {skin::kRateCellLight,
         [](const Palette& c) {
             return barCell(c, true, kRateCell, 0);
         }},
        {skin::kRateCellDark,
         [](const Palette& c) {
             return barCell(c, false, kRateCell, 0);
         }},
        {skin::kCellLight,
         [](const Palette& c) {
             return barCell(c, true, kSystemCell, 1);
         }},
        {skin::kCellDark,
         [](const Palette& c) {
             return barCell(c, false, kSystemCell, 1);
         }},
        {skin::kPane,
         [](const Palette& c) {
             return tickBox(c, false);
         }},
        {skin::kPaneTicked,
         [](const Palette& c) {
             return tickBox(c, true);
         }},
    };
}

} // namespace q417::art
