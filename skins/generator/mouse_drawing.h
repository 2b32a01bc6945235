#pragma once

#include "palette.h"

#include <QPainter>
#include <QPainterPath>
#include <QPointF>

namespace q417::art {

// The mouse seen from above, its top-left corner at `origin`, `scale` pixels per unit (the body is
// 100 by 170 units). With `numbered`, each of its ten buttons carries its key-row number on a
// callout to the left or right of the body, `calloutGap` pixels beside it.
void drawMouse(QPainter& p, QPointF origin, qreal scale, const Palette& c, bool numbered, qreal calloutGap = 0);

// The body's outline and the seam where the two main buttons end, in units: the shapes the program
// icon is drawn from too.
[[nodiscard]] QPainterPath mouseBodyPath();
[[nodiscard]] QPainterPath mouseButtonSeam();

// A mouse outline only, for large faint decoration.
void drawMouseSilhouette(QPainter& p, QPointF origin, qreal scale, QColor line, QColor fill);

} // namespace q417::art
