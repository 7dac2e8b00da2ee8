#include "editor/canvas.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "ui/units.h"

Canvas::Canvas(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PicDrawBox"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAcceptDrops(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    foreColor_ = palette().color(QPalette::ButtonText);
    backColor_ = palette().color(QPalette::Base);
}

void Canvas::setImage(const QImage& picture) {
    image_ = picture.convertToFormat(QImage::Format_RGB32);
    fitToImage();
    update();
}

void Canvas::fitToImage() {
    resize(image_.width() + 2 * kBorderPx, image_.height() + 2 * kBorderPx);
}

int Canvas::widthTw() const {
    return units::tw(width());
}
int Canvas::heightTw() const {
    return units::tw(height());
}

int Canvas::innerPixels(int outerTw) {
    return std::max(0, units::px(outerTw - 2 * kBorderTw));
}

bool Canvas::ownPixels() {
    if (image_.isNull() || image_.isDetached()) {
        return true;
    }
    QImage own = image_.copy();
    if (own.isNull()) {
        return false;
    }
    image_ = std::move(own);
    return true;
}

void Canvas::clear() {
    image_.fill(backColor_);
    update();
}

QPoint Canvas::toImage(const QPointF& widgetPos) const {
    return (widgetPos - QPointF(kBorderPx, kBorderPx)).toPoint();
}

void Canvas::updatePicture(const QRegion& picturePixels) {
    update(picturePixels.translated(kBorderPx, kBorderPx));
}

void Canvas::setOverlay(Overlay overlay) {
    overlay_ = std::move(overlay);
}

void Canvas::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect inner(kBorderPx, kBorderPx, image_.width(), image_.height());
    const QRect exposed = event->rect().intersected(inner);
    if (!exposed.isEmpty()) {
        p.drawImage(exposed.topLeft(), image_, exposed.translated(-inner.topLeft()));
    }
    if (overlay_ && !exposed.isEmpty()) {
        // In picture pixels, over the picture only.
        p.save();
        p.setClipRect(inner, Qt::IntersectClip);
        p.translate(inner.topLeft());
        overlay_(p, exposed.translated(-inner.topLeft()));
        p.restore();
    }
    // The sunken border: dark above and left, light below and right, two lines each.
    const int r = width() - 1;
    const int b = height() - 1;
    const QColor shadow(0xa0, 0xa0, 0xa0), dark(0x69, 0x69, 0x69);
    const QColor light(0xe3, 0xe3, 0xe3), highlight(0xff, 0xff, 0xff);
    p.setPen(shadow);
    p.drawLine(0, 0, r - 1, 0);
    p.drawLine(0, 0, 0, b - 1);
    p.setPen(highlight);
    p.drawLine(0, b, r, b);
    p.drawLine(r, 0, r, b);
    p.setPen(dark);
    p.drawLine(1, 1, r - 2, 1);
    p.drawLine(1, 1, 1, b - 2);
    p.setPen(light);
    p.drawLine(1, b - 1, r - 1, b - 1);
    p.drawLine(r - 1, 1, r - 1, b - 1);
}

void Canvas::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    Q_EMIT mousePressed(toImage(event->position()), event->button(), event->buttons(),
                        event->modifiers());
}

void Canvas::mouseMoveEvent(QMouseEvent* event) {
    Q_EMIT mouseMoved(toImage(event->position()), event->buttons(), event->modifiers());
}

void Canvas::mouseReleaseEvent(QMouseEvent* event) {
    Q_EMIT mouseReleased(toImage(event->position()), event->button(), event->buttons(),
                         event->modifiers());
}

void Canvas::dragEnterEvent(QDragEnterEvent* event) {
    Q_EMIT dragEntered(event);
}

void Canvas::dropEvent(QDropEvent* event) {
    Q_EMIT dropped(event, toImage(event->position()));
}
