#include "gui/ScreenShotIcon.h"

#include <QPainter>
#include <QPixmap>

namespace kv {

QIcon ScreenShotIcon() {
    QPixmap picture(64, 64);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 60), 4));
    p.setBrush(QColor(90, 110, 150));
    p.drawRoundedRect(QRectF(6, 18, 52, 36), 6, 6);  // the body
    p.drawRect(QRectF(22, 10, 20, 10));                // the viewfinder
    p.setBrush(QColor(220, 235, 255));
    p.drawEllipse(QPointF(32, 36), 11, 11);            // the lens
    p.setBrush(QColor(255, 220, 0));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(49, 25), 3, 3);              // the flash
    return QIcon(picture);
}

}  // namespace kv
