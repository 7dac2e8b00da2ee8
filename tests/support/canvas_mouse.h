#pragma once

#include <QCoreApplication>
#include <QMouseEvent>

#include "editor/canvas.h"

// Mouse events for the canvas at picture pixels, with the buttons and modifier keys of each
// event spelled out (QTest's moves carry neither).
inline void canvasMouse(Canvas* canvas, QEvent::Type type, QPoint picturePos,
                        Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                        Qt::MouseButton button = Qt::LeftButton) {
    const QPointF local = picturePos + QPointF(Canvas::kBorderPx, Canvas::kBorderPx);
    const Qt::MouseButtons buttons =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, local, canvas->mapToGlobal(local),
                      type == QEvent::MouseMove ? Qt::NoButton : button, buttons, modifiers);
    QCoreApplication::sendEvent(canvas, &event);
}

inline void canvasPress(Canvas* c, QPoint p, Qt::KeyboardModifiers m = Qt::NoModifier) {
    canvasMouse(c, QEvent::MouseButtonPress, p, m);
}
inline void canvasMove(Canvas* c, QPoint p, Qt::KeyboardModifiers m = Qt::NoModifier) {
    canvasMouse(c, QEvent::MouseMove, p, m);
}
inline void canvasRelease(Canvas* c, QPoint p, Qt::KeyboardModifiers m = Qt::NoModifier) {
    canvasMouse(c, QEvent::MouseButtonRelease, p, m);
}
