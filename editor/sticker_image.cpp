#include "editor/sticker_image.h"

#include <QMouseEvent>
#include <QPainter>

#include "editor/drag_outline.h"

StickerImage::StickerImage(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
}

StickerImage::~StickerImage() {
    delete outline_.data();  // owned by the window, but only useful during this drag
}

void StickerImage::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void StickerImage::beginDrag(QPoint grab) {
    dragging_ = true;
    grab_ = grab;
    setCursor(Qt::ClosedHandCursor);
    delete outline_.data();
    outline_ = new DragOutline(picture_, size(), window());
    placeOutline(mapToGlobal(grab));
    outline_->show();
    outline_->raise();
}

void StickerImage::endDrag() {
    dragging_ = false;
    unsetCursor();
    delete outline_.data();
}

void StickerImage::placeOutline(QPoint globalPos) {
    if (outline_) {
        outline_->move(outline_->parentWidget()->mapFromGlobal(globalPos - grab_));
    }
}

void StickerImage::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(rect(), picture_);
}

void StickerImage::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (dragging_) {
        return;  // a second button during a drag changes nothing
    }
    Q_EMIT pressed(event->button(), event->modifiers(), event->position().toPoint());
}

void StickerImage::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (dragging_) {
        placeOutline(event->globalPosition().toPoint());
        return;
    }
    Q_EMIT moved();
}

void StickerImage::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (!dragging_ || event->button() != Qt::LeftButton) {
        return;  // the drag belongs to the left button
    }
    endDrag();
    Q_EMIT dropped(event->globalPosition());
}

void StickerImage::hideEvent(QHideEvent* event) {
    // The panel closed under the drag: it ends without a drop.
    if (dragging_) {
        endDrag();
    }
    QWidget::hideEvent(event);
}
