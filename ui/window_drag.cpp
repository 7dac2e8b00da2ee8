#include "ui/window_drag.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

WindowDrag::WindowDrag(QWidget* window) : QObject(window), window_(window) {
    window_->installEventFilter(this);
}

void WindowDrag::begin(const QPoint& globalPress) {
    QWindow* handle = window_->windowHandle();
    if (handle && handle->startSystemMove()) {
        return;
    }
    manual_ = true;
    offset_ = globalPress - window_->pos();
}

bool WindowDrag::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && manual_) {
        if (event->type() == QEvent::MouseMove) {
            const auto* e = static_cast<QMouseEvent*>(event);
            window_->move(e->globalPosition().toPoint() - offset_);
        } else if (event->type() == QEvent::MouseButtonRelease) {
            manual_ = false;
        }
    }
    return false;
}
