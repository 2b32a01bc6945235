#include "app/app_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace q417 {

QIcon appIcon() {
    QIcon icon;
    for (const int size : {16, 22, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        const qreal s = size;
        QPainterPath body;
        body.addRoundedRect(QRectF(s * 0.22, s * 0.06, s * 0.56, s * 0.88), s * 0.28, s * 0.28);
        p.fillPath(body, QColor(30, 34, 40));
        p.setPen(QPen(QColor(0, 200, 255), qMax(1.0, s / 16)));
        p.drawPath(body);
        p.drawLine(QPointF(s * 0.5, s * 0.08), QPointF(s * 0.5, s * 0.42));
        p.fillRect(QRectF(s * 0.45, s * 0.16, s * 0.1, s * 0.16), QColor(0, 200, 255));
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace q417
