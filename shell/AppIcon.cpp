#include "shell/AppIcon.h"

#include <QPainter>
#include <QPixmap>

QIcon AppIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal margin = size / 16.0;
        const QRectF face(margin, margin, size - 2 * margin, size - 2 * margin);
        painter.setPen(QPen(QColor(20, 60, 110), size / 12.0));
        painter.setBrush(QColor(235, 242, 250));
        painter.drawEllipse(face);
        // Clock hands at ten past two: the watchdog and the wake-up calls.
        const QPointF centre = face.center();
        painter.setPen(QPen(QColor(20, 60, 110), size / 10.0, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(centre, centre + QPointF(0, -face.height() * 0.34));
        painter.drawLine(centre, centre + QPointF(face.width() * 0.26, face.height() * 0.1));
        icon.addPixmap(pixmap);
    }
    return icon;
}
