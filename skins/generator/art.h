#pragma once

#include "palette.h"
#include "skin/rect.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <string_view>
#include <vector>

namespace q417::art {

// One image of the skin: its file name and how it is drawn in a scheme.
struct Artwork {
    std::string_view name;
    QImage (*draw)(const Palette&);
};

// The sizes the images are drawn to, taken from the windows' layouts.
inline constexpr QSize kMainWindowSize{890, 660};
inline constexpr QSize kDialogSize{390, 284};

[[nodiscard]] inline QRectF toQ(const Rect& r) {
    return QRectF(r.left, r.top, r.width(), r.height());
}

// A transparent image to draw on.
[[nodiscard]] QImage blank(QSize size);

// A painter with antialiasing, for one image.
class Brush {
public:
    explicit Brush(QImage& image);
    QPainter* operator->() { return &painter_; }
    QPainter& operator*() { return painter_; }

private:
    QPainter painter_;
};

// Liberation Sans (with the CJK face behind it) at a pixel size.
[[nodiscard]] QFont uiFont(int pixels, bool bold = false, qreal letterSpacing = 0);

void text(QPainter& p, const QRectF& r, const QString& s, const QFont& font, QColor colour,
          int flags = Qt::AlignCenter);

// A vertical gradient fill of a rounded rectangle, with an optional 1-pixel border inside it.
void roundedFill(QPainter& p, const QRectF& r, qreal radius, QColor top, QColor bottom, QColor border = {});

// A raised panel; `headerBottom` > 0 gives it a heading strip down to that line.
void panel(QPainter& p, const QRectF& r, const Palette& c, qreal headerBottom = 0);

// A small accent mark at the left of a heading.
void headingMark(QPainter& p, qreal x, qreal centreY, const Palette& c);

// A lit tab along a panel's top edge, over the heading the program centres in `heading`: it marks
// the heading without getting in the way of a long one.
void headingTab(QPainter& p, const Rect& heading, qreal panelTop, const Palette& c);

// Breaks up the steps of wide, faint gradients with a fixed, invisible noise (the same on every
// build).
void dither(QImage& image);

// `Draw`'s picture, dithered: for the backgrounds.
template <QImage (*Draw)(const Palette&)> QImage dithered(const Palette& c) {
    QImage image = Draw(c);
    dither(image);
    return image;
}

// A sunken field; with `arrowFrom` > left, the part from there is a drop-down arrow.
void well(QPainter& p, const QRectF& r, const Palette& c, qreal arrowFrom = 0);

// A chevron pointing down, left, right or up inside `r`.
enum class Chevron { Down, Left, Right, Up };
void chevron(QPainter& p, const QRectF& r, QColor colour, Chevron direction, qreal width = 1.6);

// A faint line across, fading out at both ends.
void fadedLine(QPainter& p, qreal x0, qreal x1, qreal y, QColor colour);

// The title bar across the top of a window, `height` pixels tall, with its shadow and accent line.
void titleBar(QPainter& p, qreal width, int height, const Palette& c);

// The soft glow of a light behind something.
void glow(QPainter& p, QPointF centre, qreal radius, QColor colour, int alpha);

// The empty tick box as the skin draws it, shared by the box image and the backgrounds that show
// an empty box of their own.
void emptyTickBox(QPainter& p, const QRectF& r, const Palette& c);

// The images of each group.
[[nodiscard]] std::vector<Artwork> controlArtworks();
[[nodiscard]] std::vector<Artwork> windowArtworks();
[[nodiscard]] std::vector<Artwork> dialogArtworks();

} // namespace q417::art
