// The pictures of the editor's canvas tools, in the hand of every other picture.
#include <QPainterPath>
#include <vector>

#include "ui/picture_ink.h"

namespace pictures::ink {

namespace {

void line(QPainter& p) {
    p.setPen(inkPen(2.4));
    p.drawLine(QPointF(5, 19), QPointF(19, 5));
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawEllipse(QPointF(5, 19), 2.6, 2.6);
    p.drawEllipse(QPointF(19, 5), 2.6, 2.6);
}

void arrow(QPainter& p) {
    p.setPen(inkPen(2.4));
    p.drawLine(QPointF(4, 20), QPointF(15, 9));
    p.setPen(QPen(kAccent, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kAccent);
    p.drawPolygon(QPolygonF({{20.5, 3.5}, {18, 13}, {11, 6}}));
}

void rectangle(QPainter& p) {
    p.setPen(inkPen(2.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(3.5, 5.5, 17, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawRect(QRectF(17.5, 15.5, 5, 5));
}

void ellipse(QPainter& p) {
    p.setPen(inkPen(2.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(12, 12), 9.5, 7);
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawEllipse(QPointF(18.7, 17), 2.6, 2.6);
}

void marker(QPainter& p) {
    // A highlighter over a see-through band of its colour.
    QColor band = kAccent;
    band.setAlphaF(0.4);
    p.setPen(Qt::NoPen);
    p.setBrush(band);
    p.drawRoundedRect(QRectF(2, 16.5, 20, 5.5), 1.5, 1.5);
    QPainterPath pen;
    pen.moveTo(9, 15);
    pen.lineTo(16.5, 2.5);
    pen.lineTo(21, 5.5);
    pen.lineTo(13.5, 18);
    pen.closeSubpath();
    p.setPen(inkPen(1.8));
    p.setBrush(kLight);
    p.drawPath(pen);
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawPolygon(QPolygonF({{9, 15}, {13.5, 18}, {8.5, 19.5}}));
}

void pixelate(QPainter& p) {
    // A mosaic of squares in three shades.
    p.setPen(Qt::NoPen);
    const QColor shades[3] = {kInk, kAccent, QColor(0xa5, 0xb4, 0xc8)};
    constexpr int kPattern[3][3] = {{0, 2, 1}, {2, 1, 0}, {1, 0, 2}};
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            p.setBrush(shades[kPattern[row][col]]);
            p.drawRect(QRectF(3 + col * 6.2, 3 + row * 6.2, 5.6, 5.6));
        }
    }
}

void number(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawEllipse(QPointF(12, 12), 10, 10);
    // A "1" drawn as strokes, like the other glyphs.
    p.setPen(QPen(kLight, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({{9, 9}, {12.5, 6.5}, {12.5, 17.5}}));
    p.drawLine(QPointF(9.5, 17.5), QPointF(15.5, 17.5));
}

void crop(QPainter& p) {
    p.setPen(inkPen(2.4));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({{6, 2}, {6, 18}, {22, 18}}));
    p.setPen(QPen(kAccent, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({{2, 6}, {18, 6}, {18, 22}}));
}

void down(QPainter& p) {
    // The backdrop of the tool in use: a pale blue square, sunk by a darker upper edge.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd4, 0xe1, 0xfb));
    p.drawRoundedRect(QRectF(0, 0, 24, 24), 3, 3);
    QColor edge = kAccent;
    edge.setAlphaF(0.55);
    p.setPen(QPen(edge, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(0.7, 0.7, 22.6, 22.6), 3, 3);
}

}  // namespace

const std::vector<NamedPainter>& canvasToolPainters() {
    static const std::vector<NamedPainter> table{
        {"line", line},       {"arrow", arrow},   {"rectangle", rectangle},
        {"ellipse", ellipse}, {"marker", marker}, {"pixelate", pixelate},
        {"number", number},   {"crop", crop},     {"down", down},
    };
    return table;
}

}  // namespace pictures::ink
