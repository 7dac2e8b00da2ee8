#include "ui/picture_button.h"

#include <QMouseEvent>

PictureButton::PictureButton(const QString& name, QWidget* parent) : QLabel(parent) {
    setObjectName(name);
    setFocusPolicy(Qt::NoFocus);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMouseTracking(true);
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
    event->accept();
    Q_EMIT pressed(event->button());
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    // The button moves while pressed, so test against where it rested: a one-pixel margin.
    const bool inside = rect().adjusted(-1, -1, 1, 1).contains(event->position().toPoint());
    Q_EMIT released(event->button());
    if (event->button() == Qt::LeftButton && inside) {
        Q_EMIT clicked();
    }
}

void PictureButton::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    Q_EMIT moved();
}
