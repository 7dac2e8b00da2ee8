#include "editor/mouse_hook.h"

#include <QMouseEvent>
#include <QWidget>

MouseHook::MouseHook(QWidget* target, Handler handler)
    : QObject(target), handler_(std::move(handler)) {}

void MouseHook::install(QWidget* target, Handler handler) {
    target->installEventFilter(new MouseHook(target, std::move(handler)));
}

bool MouseHook::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove:
            if (handler_(static_cast<QMouseEvent*>(event))) {
                return true;
            }
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}
