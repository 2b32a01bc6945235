#pragma once

#include "skin/rect.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

class QPoint;

namespace q417 {

// The complete picture of a window's client area. Handlers draw into it and ask for a repaint;
// painting only copies it to the screen. Images are blended with the skin toolkit's own maths
// (skin/pixel_maths.h); texts go through QPainter.
class SkinCanvas {
public:
    SkinCanvas() = default;
    // An opaque canvas of `size` filled with `fill`.
    explicit SkinCanvas(QSize size, QColor fill = Qt::black) { reset(size, fill); }

    void reset(QSize size, QColor fill = Qt::black);

    [[nodiscard]] const QImage& image() const { return image_; }
    [[nodiscard]] QSize size() const { return image_.size(); }

    // Replaces the whole picture by an image of the same kind (a background kept by the window);
    // the canvas takes the image's size.
    void assign(const QImage& picture);

    // Blends a prepared image (skin/skin_image.h) with its top-left corner at `topLeft`; what falls
    // outside the canvas is cut off. Images of any other format are prepared first.
    void blend(const QImage& prepared, QPoint topLeft);

    void fill(const Rect& rect, QColor colour);

    // Text on a transparent background, clipped to `rect`: word-wrapped when `wordWrap`, else one
    // line fitted to the rectangle's width (fitText), so it never spills into its neighbours.
    void drawText(const Rect& rect, const QString& text, const QFont& font, QColor colour, Qt::Alignment alignment,
                  bool wordWrap = false);

private:
    QImage image_; // opaque: RGBX8888, so byte order and alpha position are the same on every host
};

// The smallest pixel height a text is shrunk to before the rest of it is elided.
inline constexpr int kMinTextPixelSize = 10;

// A one-line text as it fits `width` pixels: in its own font when it fits; else in the largest
// smaller font, down to kMinTextPixelSize, that holds it; else elided at the end in that smallest font.
struct FittedText {
    QString text;
    QFont font;
};
[[nodiscard]] FittedText fitText(const QString& text, const QFont& font, int width);

} // namespace q417
