#include "skin/skinned_surface.h"

#include <QWidget>

namespace q417 {

SkinnedSurface::SkinnedSurface(QWidget& window, LookPainter paintLook)
    : QObject(&window)
    , window_(window)
    , paintLook_(std::move(paintLook)) {
    hoverTimer_.setSingleShot(true);
    hoverTimer_.setInterval(kHoverDelayMs);
    connect(&hoverTimer_, &QTimer::timeout, this, [this] { hoverAt(hoverPoint_); });
}

void SkinnedSurface::pointerMoved(QPoint point) {
    const HoverRegions::Change change = hover_.pointerMoved(point.x(), point.y());
    if (change.wantsHover) {
        hoverPoint_ = point;
        hoverTimer_.start(); // every move restarts the rest
        return;
    }
    hoverTimer_.stop();
    show(change);
}

void SkinnedSurface::hoverAt(QPoint point) {
    show(hover_.hoverAt(point.x(), point.y()));
}

void SkinnedSurface::show(const HoverRegions::Change& change) {
    for (const int element : change.restored) {
        paintLook_(element, false);
    }
    if (change.lit) {
        paintLook_(*change.lit, true);
    }
    if (change.lit || !change.restored.empty()) {
        window_.update();
    }
}

} // namespace q417
