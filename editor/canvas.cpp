#include "editor/canvas.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <cmath>

#include "ui/pointer_pixel.h"
#include "ui/units.h"

namespace {

// Logical pixels that show `pixels` device pixels.
int logicalFor(int pixels, qreal scale) {
    return static_cast<int>(std::ceil(pixels / scale - 1e-9));
}

}  // namespace

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
    fittedScale_ = scale();
    resize(logicalFor(image_.width(), fittedScale_) + 2 * kBorderPx,
           logicalFor(image_.height(), fittedScale_) + 2 * kBorderPx);
}

qreal Canvas::scale() const {
    const QWidget* w = window();
    if (const QWindow* handle = w->windowHandle()) {
        return handle->devicePixelRatio();
    }
    const QScreen* s = w->screen();
    return s ? s->devicePixelRatio() : 1.0;
}

void Canvas::fitToScale() {
    if (scale() != fittedScale_) {
        fitToImage();
        Q_EMIT scaleChanged();
    }
}

bool Canvas::event(QEvent* event) {
    if (event->type() == QEvent::ScreenChangeInternal) {
        fitToScale();
    }
    return QWidget::event(event);
}

void Canvas::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    fitToScale();
}

QPoint Canvas::imageOriginInWindow() const {
    // Rounded down, so that the picture (rounded up to whole logical pixels) always ends inside
    // the border; at worst it covers part of a device pixel of the border's inner line.
    const QPointF corner = QPointF(mapTo(window(), QPoint(kBorderPx, kBorderPx))) * scale();
    return {static_cast<int>(std::floor(corner.x() + 1e-6)),
            static_cast<int>(std::floor(corner.y() + 1e-6))};
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

QPoint Canvas::toImage(const QPointF& widgetPos, quint64 timestamp) const {
    // The device pixel under the point, counted in the window as the painting counts it.
    return pointer_pixel::inWindow(this, widgetPos, timestamp) - imageOriginInWindow();
}

QPointF Canvas::imageOrigin() const {
    return QPointF(imageOriginInWindow()) - QPointF(mapTo(window(), QPoint(0, 0))) * scale();
}

void Canvas::updatePicture(const QRegion& picturePixels) {
    // The logical pixels that show these device pixels, rounded outwards.
    const qreal s = scale();
    const QPointF at = imageOrigin();
    QRegion shown;
    for (const QRect& r : picturePixels) {
        shown += QRectF((QPointF(r.topLeft()) + at) / s, QSizeF(r.size()) / s).toAlignedRect();
    }
    update(shown);
}

void Canvas::setOverlay(Overlay overlay) {
    overlay_ = std::move(overlay);
}

void Canvas::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    paintBorder(p);
    // In device pixels from here: the picture goes one for one from a whole device pixel, and
    // what the rounded-up logical size leaves of the inner area takes the background colour.
    const qreal s = scale();
    p.setWorldTransform(QTransform::fromScale(1 / s, 1 / s));
    const QPointF at = imageOrigin();
    const QRectF inner(kBorderPx * s, kBorderPx * s, (width() - 2 * kBorderPx) * s,
                       (height() - 2 * kBorderPx) * s);
    QRegion around(inner.toAlignedRect());
    around -= QRectF(at, image_.size()).toAlignedRect();
    for (const QRect& r : around) {
        p.fillRect(r, backColor_);
    }
    p.drawImage(at, image_);
    if (overlay_) {
        // In picture pixels, over the picture only.
        const QRect exposed =
            QRectF(QRectF(event->rect()).topLeft() * s - at, QSizeF(event->rect().size()) * s)
                .toAlignedRect()
                .intersected(image_.rect());
        p.translate(at);
        p.setClipRect(image_.rect(), Qt::IntersectClip);
        overlay_(p, exposed);
    }
}

void Canvas::paintBorder(QPainter& p) const {
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
    Q_EMIT mousePressed(toImage(event->position(), event->timestamp()), event->button(),
                        event->buttons(), event->modifiers());
}

void Canvas::mouseMoveEvent(QMouseEvent* event) {
    Q_EMIT mouseMoved(toImage(event->position(), event->timestamp()), event->buttons(),
                      event->modifiers());
}

void Canvas::mouseReleaseEvent(QMouseEvent* event) {
    Q_EMIT mouseReleased(toImage(event->position(), event->timestamp()), event->button(),
                         event->buttons(), event->modifiers());
}

void Canvas::dragEnterEvent(QDragEnterEvent* event) {
    Q_EMIT dragEntered(event);
}

void Canvas::dropEvent(QDropEvent* event) {
    Q_EMIT dropped(event, toImage(event->position()));
}
