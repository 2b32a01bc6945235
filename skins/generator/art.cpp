#include "art.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cstdint>

namespace q417::art {

QImage blank(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

Brush::Brush(QImage& image)
    : painter_(&image) {
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
}

QFont uiFont(int pixels, bool bold, qreal letterSpacing) {
    QFont font;
    font.setFamilies({"Liberation Sans", "WenQuanYi Micro Hei", "sans-serif"});
    font.setPixelSize(pixels);
    font.setBold(bold);
    if (letterSpacing != 0) {
        font.setLetterSpacing(QFont::AbsoluteSpacing, letterSpacing);
    }
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void text(QPainter& p, const QRectF& r, const QString& s, const QFont& font, QColor colour, int flags) {
    p.save();
    p.setFont(font);
    p.setPen(colour);
    p.drawText(r, flags, s);
    p.restore();
}

void roundedFill(QPainter& p, const QRectF& r, qreal radius, QColor top, QColor bottom, QColor border) {
    p.save();
    QLinearGradient gradient(r.topLeft(), r.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawRoundedRect(r, radius, radius);
    if (border.isValid()) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(border, 1));
        p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    }
    p.restore();
}

void panel(QPainter& p, const QRectF& r, const Palette& c, qreal headerBottom) {
    // A soft shadow first, so the panel lifts off the window.
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 3; i >= 1; --i) {
        p.setBrush(QColor(0, 0, 0, 28));
        p.drawRoundedRect(r.adjusted(-i + 1, -i + 2, i - 1, i + 1), 7 + i, 7 + i);
    }
    p.restore();
    roundedFill(p, r, 6, c.panelTop, c.panelBottom, c.panelEdge);
    if (headerBottom > r.top()) {
        p.save();
        QPainterPath clip;
        clip.addRoundedRect(r.adjusted(1, 1, -1, -1), 5, 5);
        p.setClipPath(clip);
        QLinearGradient strip(r.topLeft(), QPointF(r.left(), headerBottom));
        strip.setColorAt(0, c.panelHeader.lighter(112));
        strip.setColorAt(1, c.panelHeader);
        p.fillRect(QRectF(r.left(), r.top(), r.width(), headerBottom - r.top()), strip);
        p.fillRect(QRectF(r.left(), headerBottom, r.width(), 1), c.panelEdge);
        p.restore();
    }
    // A faint highlight along the top edge.
    fadedLine(p, r.left() + 8, r.right() - 8, r.top() + 1.5, QColor(255, 255, 255, 30));
}

void headingMark(QPainter& p, qreal x, qreal centreY, const Palette& c) {
    roundedFill(p, QRectF(x, centreY - 7, 3, 14), 1.5, c.accent, c.accentSoft);
}

void headingTab(QPainter& p, const Rect& heading, qreal panelTop, const Palette& c) {
    const qreal centre = (heading.left + heading.right) / 2.0;
    p.save();
    p.setClipRect(QRectF(centre - 40, panelTop, 80, 40)); // light falls into the panel only
    glow(p, QPointF(centre, panelTop + 1), 34, c.accent, 60);
    p.restore();
    QLinearGradient line(QPointF(centre - 30, 0), QPointF(centre + 30, 0));
    QColor clear = c.accent;
    clear.setAlpha(0);
    line.setColorAt(0, clear);
    line.setColorAt(0.25, c.accent);
    line.setColorAt(0.75, c.accent);
    line.setColorAt(1, clear);
    p.fillRect(QRectF(centre - 30, panelTop, 60, 2), line);
}

void dither(QImage& image) {
    if (image.format() != QImage::Format_ARGB32_Premultiplied) {
        return;
    }
    std::uint32_t state = 0x9E3779B9U; // a fixed seed: the same picture on every build
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            state ^= state << 13U;
            state ^= state >> 17U;
            state ^= state << 5U;
            const int noise = static_cast<int>(state % 3U) - 1; // -1, 0 or +1
            const QRgb pixel = row[x];
            const int alpha = qAlpha(pixel);
            if (alpha != 255) {
                continue; // only opaque backgrounds; premultiplied colour must stay within alpha
            }
            const auto shift = [noise](int v) {
                return std::clamp(v + noise, 0, 255);
            };
            row[x] = qRgba(shift(qRed(pixel)), shift(qGreen(pixel)), shift(qBlue(pixel)), alpha);
        }
    }
}

void well(QPainter& p, const QRectF& r, const Palette& c, qreal arrowFrom) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(c.well);
    p.drawRoundedRect(r, 2, 2);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c.wellEdge, 1));
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    // Inner shadow along the top: the field sits below the surface.
    p.setPen(QPen(QColor(0, 0, 0, 110), 1));
    p.drawLine(QPointF(r.left() + 1.5, r.top() + 1.5), QPointF(r.right() - 1.5, r.top() + 1.5));
    if (arrowFrom > r.left()) {
        const QRectF arrow(arrowFrom, r.top() + 1, r.right() - arrowFrom - 1, r.height() - 2);
        roundedFill(p, arrow, 1.5, c.control, c.controlLow);
        p.setPen(QPen(c.wellEdge, 1));
        p.drawLine(QPointF(arrowFrom + 0.5, r.top() + 1), QPointF(arrowFrom + 0.5, r.bottom() - 1));
        const qreal side = std::min(arrow.width(), arrow.height()) * 0.5;
        chevron(p, QRectF(arrow.center().x() - side / 2, arrow.center().y() - side / 4, side, side / 2), c.accent,
                Chevron::Down, 1.5);
    }
    p.restore();
}

void chevron(QPainter& p, const QRectF& r, QColor colour, Chevron direction, qreal width) {
    p.save();
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    QPolygonF line;
    switch (direction) {
    case Chevron::Down:
        line << r.topLeft() << QPointF(r.center().x(), r.bottom()) << r.topRight();
        break;
    case Chevron::Up:
        line << r.bottomLeft() << QPointF(r.center().x(), r.top()) << r.bottomRight();
        break;
    case Chevron::Left:
        line << r.topRight() << QPointF(r.left(), r.center().y()) << r.bottomRight();
        break;
    case Chevron::Right:
        line << r.topLeft() << QPointF(r.right(), r.center().y()) << r.bottomLeft();
        break;
    }
    p.drawPolyline(line);
    p.restore();
}

void titleBar(QPainter& p, qreal width, int height, const Palette& c) {
    QLinearGradient bar(QPointF(0, 0), QPointF(0, height));
    bar.setColorAt(0, c.titleTop);
    bar.setColorAt(1, c.titleBottom);
    p.fillRect(QRectF(0, 0, width, height), bar);
    p.fillRect(QRectF(0, height, width, 1), QColor(0, 0, 0, 140));
    fadedLine(p, 0, width, height + 1.5, c.accentSoft);
}

void fadedLine(QPainter& p, qreal x0, qreal x1, qreal y, QColor colour) {
    QLinearGradient gradient(QPointF(x0, y), QPointF(x1, y));
    QColor clear = colour;
    clear.setAlpha(0);
    gradient.setColorAt(0, clear);
    gradient.setColorAt(0.2, colour);
    gradient.setColorAt(0.8, colour);
    gradient.setColorAt(1, clear);
    p.fillRect(QRectF(x0, y - 0.5, x1 - x0, 1), gradient);
}

void glow(QPainter& p, QPointF centre, qreal radius, QColor colour, int alpha) {
    QRadialGradient gradient(centre, radius);
    QColor inner = colour;
    inner.setAlpha(alpha);
    QColor outer = colour;
    outer.setAlpha(0);
    gradient.setColorAt(0, inner);
    gradient.setColorAt(1, outer);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

void emptyTickBox(QPainter& p, const QRectF& r, const Palette& c) {
    const QRectF box = r.adjusted(1, 1, -1, -1);
    roundedFill(p, box, 2.5, c.well, c.well.lighter(130), c.controlEdge);
}

} // namespace q417::art
