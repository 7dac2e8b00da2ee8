#include "info/info_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace info_pictures {

namespace {

// The colours of the program's other pictures.
const QColor kInk(0x33, 0x41, 0x55);
const QColor kAccent(0x25, 0x63, 0xeb);
const QColor kLight(0xff, 0xff, 0xff);
const QColor kNameRed(192, 0, 0);

QPen pen(const QColor& colour, qreal width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Draws on a grid of gridW x gridH units scaled to a width x height picture.
QPixmap render(int width, int height, qreal gridW, qreal gridH,
               const std::function<void(QPainter&)>& draw) {
    QPixmap pm(width, height);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(width / gridW, height / gridH);
    draw(p);
    return pm;
}

void corners(QPainter& p, qreal a, qreal b, qreal length) {
    p.drawPolyline(QPolygonF({{a, a + length}, {a, a}, {a + length, a}}));
    p.drawPolyline(QPolygonF({{b - length, a}, {b, a}, {b, a + length}}));
    p.drawPolyline(QPolygonF({{b, b - length}, {b, b}, {b - length, b}}));
    p.drawPolyline(QPolygonF({{a + length, b}, {a, b}, {a, b - length}}));
}

void drawLogo(QPainter& p) {
    QLinearGradient g(0, 0, 55, 55);
    g.setColorAt(0, QColor(0x60, 0xa5, 0xfa));
    g.setColorAt(1, QColor(0x1d, 0x4e, 0xd8));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(1, 1, 53, 53), 12, 12);
    p.setPen(pen(kLight, 3.2));
    p.setBrush(Qt::NoBrush);
    corners(p, 10, 45, 9);
    // The lens inside the viewfinder, as in the program icon.
    p.setPen(pen(kLight, 2.4));
    p.setBrush(QColor(0x1e, 0x3a, 0x8a));
    p.drawEllipse(QPointF(27.5, 27.5), 10, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xfb, 0xbf, 0x24));
    p.drawEllipse(QPointF(27.5, 27.5), 4.6, 4.6);
    p.setBrush(kLight);
    p.drawEllipse(QPointF(24.6, 24.6), 1.6, 1.6);
}

void drawNameMark(QPainter& p) {
    p.setPen(pen(kNameRed, 1.9));
    p.setBrush(Qt::NoBrush);
    corners(p, 2.5, 18.5, 4.5);
    p.setPen(Qt::NoPen);
    p.setBrush(kNameRed);
    p.drawEllipse(QPointF(10.5, 10.5), 3.4, 3.4);
}

void drawSiteButton(QPainter& p) {
    // The address is written across the lower part: the globe keeps to the upper one.
    const QPointF c(28.5, 10.5);
    const qreal r = 9.5;
    p.setPen(pen(kInk, 1.6));
    p.setBrush(QColor(0xdb, 0xea, 0xfe));
    p.drawEllipse(c, r, r);
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(kAccent, 1.3));
    p.drawEllipse(c, r * 0.45, r);
    p.drawLine(QPointF(c.x(), c.y() - r), QPointF(c.x(), c.y() + r));
    p.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
    p.drawLine(QPointF(c.x() - r * 0.86, c.y() - r * 0.5),
               QPointF(c.x() + r * 0.86, c.y() - r * 0.5));
    p.drawLine(QPointF(c.x() - r * 0.86, c.y() + r * 0.5),
               QPointF(c.x() + r * 0.86, c.y() + r * 0.5));
    p.setPen(pen(kInk, 1.6));
    p.drawEllipse(c, r, r);
}

void drawPage(QPainter& p) {
    QPainterPath page;
    page.moveTo(6.5, 2.5);
    page.lineTo(19.5, 2.5);
    page.lineTo(25.5, 8.5);
    page.lineTo(25.5, 29.5);
    page.lineTo(6.5, 29.5);
    page.closeSubpath();
    p.setPen(pen(kInk, 1.5));
    p.setBrush(kLight);
    p.drawPath(page);
    p.setBrush(QColor(0xe2, 0xe8, 0xf0));
    p.drawPolygon(QPolygonF({{19.5, 2.5}, {19.5, 8.5}, {25.5, 8.5}}));
    p.setPen(pen(QColor(0x94, 0xa3, 0xb8), 1.4));
    for (qreal y : {11.0, 14.5, 18.0}) {
        p.drawLine(QPointF(10, y), QPointF(y < 12 ? 17 : 21.5, y));
    }
    p.drawLine(QPointF(10, 21.5), QPointF(14, 21.5));
    p.setPen(pen(kLight, 1.5));
    p.setBrush(kAccent);
    p.drawEllipse(QPointF(22, 23.5), 7, 7);
}

void drawDocument(QPainter& p, int which) {
    drawPage(p);
    const QPointF c(22, 23.5);
    p.setBrush(kLight);
    switch (which) {
        case 1:  // information
            p.setPen(Qt::NoPen);
            p.drawEllipse(QPointF(c.x(), c.y() - 3.6), 1.3, 1.3);
            p.drawRoundedRect(QRectF(c.x() - 1.1, c.y() - 1.2, 2.2, 5.6), 1, 1);
            break;
        case 2:  // licence: the mark of something granted
            p.setPen(pen(kLight, 2));
            p.setBrush(Qt::NoBrush);
            p.drawPolyline(QPolygonF({{c.x() - 3.4, c.y() + 0.2},
                                      {c.x() - 0.9, c.y() + 2.7},
                                      {c.x() + 3.6, c.y() - 2.4}}));
            break;
        default: {  // features: a star
            QPolygonF star;
            for (int i = 0; i < 10; ++i) {
                const qreal radius = (i % 2 == 0) ? 4.6 : 2.0;
                const qreal angle = -M_PI / 2 + i * M_PI / 5;
                star << QPointF(c.x() + radius * std::cos(angle), c.y() + radius * std::sin(angle));
            }
            p.setPen(Qt::NoPen);
            p.drawPolygon(star);
            break;
        }
    }
}

void drawPointer(QPainter& p) {
    QPainterPath hand;
    hand.moveTo(10, 3);
    hand.quadTo(12, 0.4, 14, 3);
    hand.lineTo(14, 12);
    hand.quadTo(16, 9.8, 18, 12);
    hand.quadTo(20, 10.6, 22, 13);
    hand.quadTo(24.6, 12.2, 25.6, 15);
    hand.lineTo(25.6, 21);
    hand.quadTo(25.6, 26, 22, 28.5);
    hand.lineTo(13, 28.5);
    hand.quadTo(10, 28.5, 8.5, 25.5);
    hand.lineTo(3.8, 18.6);
    hand.quadTo(2.8, 16.4, 5, 15.7);
    hand.quadTo(6.6, 15.3, 8, 17.3);
    hand.lineTo(10, 20);
    hand.closeSubpath();
    p.setPen(pen(Qt::black, 1.3));
    p.setBrush(kLight);
    p.drawPath(hand);
    p.setPen(pen(Qt::black, 1.0));
    p.drawLine(QPointF(14, 12), QPointF(14, 16.5));
    p.drawLine(QPointF(18, 12.2), QPointF(18, 16.5));
    p.drawLine(QPointF(22, 13.2), QPointF(22, 16.5));
}

}  // namespace

QPixmap logo() {
    return render(55, 55, 55, 55, drawLogo);
}

QPixmap nameMark() {
    return render(21, 21, 21, 21, drawNameMark);
}

QPixmap siteButton() {
    return render(57, 38, 57, 38, drawSiteButton);
}

QPixmap document(int which) {
    return render(32, 32, 32, 32, [which](QPainter& p) { drawDocument(p, which); });
}

QPixmap pointer() {
    return render(32, 32, 32, 32, drawPointer);
}

QPoint pointerHotSpot() {
    return {12, 1};
}

}  // namespace info_pictures
