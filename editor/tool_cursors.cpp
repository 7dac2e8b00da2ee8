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
    // A bucket tipped over to the left, pouring paint that lands on the hot spot.
    QTransform tipped;
    tipped.translate(23, 11);
    tipped.rotate(-115);
    const QPointF lip = tipped.map(QPointF(-3, -5.5));
    const QPointF spot = QPointF(kBucketHotSpot) + QPointF(0.5, 0.5);
    p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(lip, spot);
    p.setPen(QPen(QColor(0x25, 0x63, 0xeb), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(lip, spot);
    p.setTransform(tipped);
    QPainterPath pail;
    pail.moveTo(-6, -5);
    pail.lineTo(6, -5);
    pail.lineTo(4.5, 7);
    pail.lineTo(-4.5, 7);
    pail.closeSubpath();
    p.setPen(outline(1.5));
    p.setBrush(Qt::black);
    p.drawPath(pail);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x25, 0x63, 0xeb));
    p.drawEllipse(QPointF(0, -5), 5.5, 1.8);  // paint at the rim
    return pm;
}

QCursor pen() {
    return QCursor(penPicture(), kPenHotSpot.x(), kPenHotSpot.y());
}

QCursor bucket() {
    return QCursor(bucketPicture(), kBucketHotSpot.x(), kBucketHotSpot.y());
}

}  // namespace tool_cursors
