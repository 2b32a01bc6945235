#include "mouse_drawing.h"

#include "art.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>
#include <array>

namespace q417::art {

// Front at the top, a little wider at the palm.
QPainterPath mouseBodyPath() {
    QPainterPath path(QPointF(50, 2));
    path.cubicTo(74, 2, 92, 14, 95, 45);
    path.cubicTo(98, 75, 97, 110, 92, 135);
    path.cubicTo(87, 158, 70, 170, 50, 170);
    path.cubicTo(30, 170, 13, 158, 8, 135);
    path.cubicTo(3, 110, 2, 75, 5, 45);
    path.cubicTo(8, 14, 26, 2, 50, 2);
    path.closeSubpath();
    return path;
}

QPainterPath mouseButtonSeam() {
    QPainterPath seam(QPointF(5.5, 60));
    seam.cubicTo(30, 68, 70, 68, 94.5, 60);
    return seam;
}

namespace {

struct Callout {
    int number = 0;
    QPointF anchor;    // units, on the button
    bool left = false; // callout on the left of the body
    qreal y = 0;       // units, where the callout sits
};

// The ten buttons, numbered as the key rows of the basic page.
constexpr std::array<Callout, 10> kCallouts{{
    {7, {17, 29}, true, 12},
    {1, {31, 36}, true, 36},
    {4, {0.5, 76}, true, 70},
    {5, {0.5, 96}, true, 94},
    {8, {1.2, 115}, true, 118},
    {3, {50, 26}, false, 12},
    {2, {72, 36}, false, 36},
    {6, {50, 49}, false, 58},
    {9, {99.5, 80}, false, 82},
    {10, {50, 122}, false, 118},
}};

void sideButton(QPainter& p, const QRectF& r, const Palette& c) {
    roundedFill(p, r, 1.2, c.control.lighter(125), c.controlLow, c.controlEdge.lighter(110));
}

} // namespace

void drawMouseSilhouette(QPainter& p, QPointF origin, qreal scale, QColor line, QColor fill) {
    p.save();
    p.translate(origin);
    p.scale(scale, scale);
    p.setBrush(fill);
    p.setPen(QPen(line, 1.2 / scale));
    p.drawPath(mouseBodyPath());
    p.setBrush(Qt::NoBrush);
    p.drawPath(mouseButtonSeam());
    p.drawLine(QPointF(50, 2), QPointF(50, 14));
    p.drawLine(QPointF(50, 38), QPointF(50, 66));
    p.drawRoundedRect(QRectF(45, 14, 10, 24), 5, 5);
    p.restore();
}

void drawMouse(QPainter& p, QPointF origin, qreal scale, const Palette& c, bool numbered, qreal calloutGap) {
    const QTransform toPage = QTransform::fromTranslate(origin.x(), origin.y()).scale(scale, scale);
    const QPainterPath body = mouseBodyPath();

    // The cable, leaving the front and curling up out of the picture.
    p.save();
    p.setTransform(toPage);
    QPainterPath cable(QPointF(50, 2));
    cable.cubicTo(50, -14, 64, -18, 62, -34);
    p.setPen(QPen(c.controlEdge, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cable);
    p.restore();

    // A pool of light under the body.
    glow(p, toPage.map(QPointF(50, 92)), 78 * scale, c.accent, 40);

    p.save();
    p.setTransform(toPage);
    // Side buttons stand out of the left and right flanks, so they go under the body.
    sideButton(p, QRectF(-1.2, 66, 7, 19), c);
    sideButton(p, QRectF(-1.2, 87, 7, 19), c);
    sideButton(p, QRectF(-0.4, 109, 6, 12), c);
    sideButton(p, QRectF(94, 71, 7, 18), c);

    // Body: lit from the upper right, a rim of accent light along its edge.
    QLinearGradient shade(QPointF(0, 0), QPointF(100, 40));
    shade.setColorAt(0, c.controlLow.darker(115));
    shade.setColorAt(0.55, c.control);
    shade.setColorAt(1, c.control.lighter(118));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawPath(body);
    QRadialGradient sheen(QPointF(66, 40), 60);
    sheen.setColorAt(0, QColor(255, 255, 255, 34));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(sheen);
    p.drawPath(body);
    QColor rim = c.accent;
    rim.setAlpha(150);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rim, 1.4 / scale * 1.2));
    p.drawPath(body);

    // Seams between the buttons.
    const QPen seam(QColor(0, 0, 0, 150), 1.4 / scale * 1.2);
    p.setPen(seam);
    p.drawPath(mouseButtonSeam());
    p.drawLine(QPointF(50, 3), QPointF(50, 13));
    p.drawLine(QPointF(50, 39), QPointF(50, 43));
    p.drawLine(QPointF(50, 55), QPointF(50, 65));

    // Wheel with ridges, the DPI button behind it, and the small button at the front left.
    roundedFill(p, QRectF(45, 14, 10, 24), 4.5, c.well.lighter(140), c.well, QColor(0, 0, 0, 160));
    p.setPen(QPen(c.inkMuted, 0.7));
    // Counted, not stepped in floating point, so rounding cannot add or drop a ridge.
    for (int ridge = 0; ridge < 8; ++ridge) {
        const qreal y = 17 + 2.6 * ridge;
        p.drawLine(QPointF(47, y), QPointF(53, y));
    }
    roundedFill(p, QRectF(46, 44, 8, 10), 2, c.accentSoft, c.accentDeep, c.accent);
    roundedFill(p, QRectF(13, 22, 7, 14), 2.5, c.control.lighter(120), c.controlLow, QColor(0, 0, 0, 150));

    // The lit logo on the palm.
    p.restore();
    glow(p, toPage.map(QPointF(50, 122)), 16 * scale, c.accent, 140);
    p.save();
    p.setTransform(toPage);
    p.setPen(QPen(c.accent.lighter(130), 1.8));
    p.setBrush(Qt::NoBrush);
    QPolygonF mark({QPointF(50, 113), QPointF(58, 122), QPointF(50, 131), QPointF(42, 122)});
    p.drawPolygon(mark);
    p.restore();

    if (!numbered) {
        return;
    }
    const QFont numberFont = uiFont(11, true);
    for (const Callout& callout : kCallouts) {
        const QPointF anchor = toPage.map(callout.anchor);
        const qreal x = callout.left ? origin.x() - calloutGap : origin.x() + 100 * scale + calloutGap;
        const QPointF centre(x, toPage.map(QPointF(0, callout.y)).y());
        const qreal radius = 9;
        const QPointF towards = anchor - centre;
        const qreal length = std::max<qreal>(std::hypot(towards.x(), towards.y()), 1);
        const QPointF edge = centre + towards * (radius / length);
        p.save();
        QColor leader = c.accent;
        leader.setAlpha(170);
        p.setPen(QPen(leader, 1));
        p.drawLine(edge, anchor);
        p.setPen(Qt::NoPen);
        p.setBrush(c.accent);
        p.drawEllipse(anchor, 2, 2);
        roundedFill(p, QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), radius, c.panelHeader,
                    c.well, c.accent);
        p.restore();
        text(p, QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
             QString::number(callout.number), numberFont, c.ink);
    }
}

} // namespace q417::art
