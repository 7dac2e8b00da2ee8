#include "editor/tool_cursors.h"

#include <QPainter>
#include <QPainterPath>

namespace tool_cursors {

namespace {

// Black shapes with a white edge stay visible over any picture.
QPen outline(qreal width = 1.0) {
    return QPen(Qt::white, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPixmap blank() {
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    return pm;
}

}  // namespace

QPixmap penPicture() {
    QPixmap pm = blank();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    // A pencil lying from the tip at the hot spot up and to the right.
    p.translate(kPenHotSpot);
    p.rotate(-35);
    QPainterPath body;
    body.moveTo(0, 0);
    body.lineTo(7, -3);
    body.lineTo(24, -3);
    body.lineTo(24, 3);
    body.lineTo(7, 3);
    body.closeSubpath();
    p.setPen(outline(1.5));
    p.setBrush(Qt::black);
    p.drawPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x25, 0x63, 0xeb));
    p.drawRect(QRectF(9, -2, 13, 4));
    return pm;
}

QPixmap bucketPicture() {
    QPixmap pm = blank();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    // A tipped bucket to the right of the hot spot, pouring a drop that ends at it.
    QPainterPath pail;
    pail.moveTo(16, 6);
    pail.lineTo(28, 12);
    pail.lineTo(24, 24);
    pail.lineTo(12, 18);
    pail.closeSubpath();
    p.setPen(outline(1.5));
    p.setBrush(Qt::black);
    p.drawPath(pail);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x25, 0x63, 0xeb));
    p.drawPolygon(QPolygonF({{14.5, 8}, {16, 6}, {12.5, 9.5}, {11.5, 12}}));
    p.setPen(QPen(Qt::black, 1));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.drawPoint(kBucketHotSpot);
    return pm;
}

QCursor pen() {
    return QCursor(penPicture(), kPenHotSpot.x(), kPenHotSpot.y());
}

QCursor bucket() {
    return QCursor(bucketPicture(), kBucketHotSpot.x(), kBucketHotSpot.y());
}

}  // namespace tool_cursors
