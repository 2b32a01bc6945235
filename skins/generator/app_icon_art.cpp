#include "app_icon_art.h"

#include "mouse_drawing.h"
#include "palette.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <algorithm>
#include <vector>

namespace q417::art {

namespace {

constexpr qreal kCanvas = 256; // the icon's units: its SVG view box
constexpr qreal kScale = 1.36; // mouse units to icon units: the 100 by 170 body fills the height
constexpr qreal kMinLinePixels = 1.0;

// One shape of the icon: filled, outlined, or both.
struct Layer {
    QPainterPath path; // in icon units
    QColor fill;       // invalid: not filled
    QColor stroke;     // invalid: no outline
    qreal width = 0;   // of the outline, in icon units
};

QPainterPath toIcon(const QPainterPath& mouseUnits) {
    const qreal left = (kCanvas - 100 * kScale) / 2;
    const qreal top = (kCanvas - 172 * kScale) / 2;
    return QTransform::fromTranslate(left, top).scale(kScale, kScale).map(mouseUnits);
}

QPainterPath roundedRect(const QRectF& r, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

std::vector<Layer> layers() {
    const Palette& c = kDefaultPalette;
    const QColor body(0x2b, 0x32, 0x3c);
    QPainterPath centreLine(QPointF(50, 3));
    centreLine.lineTo(50, 13);
    centreLine.moveTo(50, 39);
    centreLine.lineTo(50, 43);
    centreLine.moveTo(50, 55);
    centreLine.lineTo(50, 65);
    QPainterPath mark(QPointF(50, 112));
    mark.lineTo(59, 122);
    mark.lineTo(50, 132);
    mark.lineTo(41, 122);
    mark.closeSubpath();
    return {
        {toIcon(mouseBodyPath()), body, c.accent, 8},
        {toIcon(mouseButtonSeam()), {}, c.well, 5},
        {toIcon(centreLine), {}, c.well, 5},
        {toIcon(roundedRect(QRectF(44.5, 14, 11, 24), 5)), c.well, c.accent, 4},
        {toIcon(roundedRect(QRectF(46, 44, 8, 10), 2)), c.accent, {}, 0},
        {toIcon(mark), {}, c.accent, 6},
    };
}

QString number(qreal v) {
    QString text = QString::number(v, 'f', 2);
    while (text.endsWith('0')) {
        text.chop(1);
    }
    if (text.endsWith('.')) {
        text.chop(1);
    }
    return text;
}

QString point(QPointF p) {
    return number(p.x()) + ' ' + number(p.y());
}

// SVG path data of a painter path: its moves, lines and cubic curves; a subpath that ends where it
// began is closed, so its corner joins as the painter's does.
QString pathData(const QPainterPath& path) {
    QString d;
    QPointF start;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            start = e;
            d += "M" + point(e);
        } else if (e.isLineTo()) {
            d += " L" + point(e);
        } else if (e.isCurveTo() && i + 2 < path.elementCount()) {
            d += " C" + point(e) + ' ' + point(path.elementAt(i + 1)) + ' ' + point(path.elementAt(i + 2));
            i += 2;
        }
        const bool subpathEnds = i + 1 >= path.elementCount() || path.elementAt(i + 1).isMoveTo();
        if (subpathEnds && QPointF(path.elementAt(i)) == start && i > 0) {
            d += " Z";
        }
    }
    return d;
}

QString paint(const QColor& colour, const char* name) {
    if (!colour.isValid()) {
        return QString(" %1=\"none\"").arg(name);
    }
    QString text = QString(" %1=\"%2\"").arg(name, colour.name(QColor::HexRgb));
    if (colour.alpha() != 255) {
        text += QString(" %1-opacity=\"%2\"").arg(name, number(colour.alphaF()));
    }
    return text;
}

} // namespace

QByteArray appIconSvg() {
    QString svg =
        QString("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" viewBox=\"0 0 %1 %1\">\n")
            .arg(number(kCanvas));
    for (const Layer& layer : layers()) {
        svg += "  <path d=\"" + pathData(layer.path) + '"' + paint(layer.fill, "fill") + paint(layer.stroke, "stroke");
        if (layer.stroke.isValid()) {
            svg += QString(" stroke-width=\"%1\" stroke-linejoin=\"round\" stroke-linecap=\"round\"")
                       .arg(number(layer.width));
        }
        svg += "/>\n";
    }
    svg += "</svg>\n";
    return svg.toUtf8();
}

QImage appIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal pixelsPerUnit = size / kCanvas;
    p.scale(pixelsPerUnit, pixelsPerUnit);
    const qreal minWidth = size < 48 ? kMinLinePixels / pixelsPerUnit : 0;
    for (const Layer& layer : layers()) {
        p.setBrush(layer.fill.isValid() ? QBrush(layer.fill) : QBrush(Qt::NoBrush));
        p.setPen(layer.stroke.isValid()
                     ? QPen(layer.stroke, std::max(layer.width, minWidth), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                     : QPen(Qt::NoPen));
        p.drawPath(layer.path);
    }
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace q417::art
