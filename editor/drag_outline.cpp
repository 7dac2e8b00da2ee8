#include "editor/drag_outline.h"

#include <QPainter>

DragOutline::DragOutline(const QImage& picture, QSize size, QWidget* parent)
    : QWidget(parent), picture_(picture) {
    setObjectName(QStringLiteral("dragOutline"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    resize(size);
}

void DragOutline::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setOpacity(0.6);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(rect(), picture_);
    p.setOpacity(1.0);
    QPen pen(QColor(0x33, 0x41, 0x55), 1, Qt::DashLine);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
