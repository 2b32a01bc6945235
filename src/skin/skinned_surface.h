#pragma once

#include "skin/hover_regions.h"
#include "skin/skin_canvas.h"

#include <QObject>
#include <QPoint>
#include <QTimer>
#include <functional>
#include <vector>

class QWidget;

namespace q417 {

// The skinned picture of one window (the main window or a skinned dialog): the canvas its paint
// events copy, and the hover looks of its elements. A pointer move over a sensitive element starts
// a 10 ms rest; when it runs out the element under the pointer lights. A move over an insensitive
// point returns every lit element to normal. Drawing a look is the window's: it is called with the
// element and whether it is lit, and the window is repainted after.
class SkinnedSurface : public QObject {
    Q_OBJECT
public:
    static constexpr int kHoverDelayMs = 10;
    using LookPainter = std::function<void(int element, bool lit)>;

    SkinnedSurface(QWidget& window, LookPainter paintLook);

    SkinCanvas& canvas() { return canvas_; }
    [[nodiscard]] const SkinCanvas& canvas() const { return canvas_; }

    // The sensitive elements in the order a hover tests them.
    void setElements(std::vector<HoverElement> elements) { hover_.setElements(std::move(elements)); }
    [[nodiscard]] const HoverRegions& hover() const { return hover_; }
    [[nodiscard]] bool isLit(int element) const { return hover_.isLit(element); }
    // Forgets the lit looks without drawing (the window is about to draw everything anew).
    void clearHover() { hover_.clear(); }

    void pointerMoved(QPoint point);
    // No hover notification comes once the pointer has left; lit looks stay until it comes back.
    void pointerLeft() { hoverTimer_.stop(); }
    // The end of the rest: lights the element under `point`, as if the pointer rested there.
    void hoverAt(QPoint point);
    // The rest's timer; tests fire its timeout instead of waiting.
    QTimer& hoverTimer() { return hoverTimer_; }

private:
    void show(const HoverRegions::Change& change);

    QWidget& window_;
    LookPainter paintLook_;
    SkinCanvas canvas_;
    HoverRegions hover_;
    QTimer hoverTimer_;
    QPoint hoverPoint_;
};

} // namespace q417
