#include "ui/always_on_top.h"

#include <QWidget>
#include <QWindow>

void SetAlwaysOnTopMode(QWidget* target, bool onTop) {
    if (!target) {
        return;
    }
    Qt::WindowFlags flags = target->windowFlags();
    if (flags.testFlag(Qt::WindowStaysOnTopHint) != onTop) {
        flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
        if (QWindow* handle = target->windowHandle()) {
            // The window exists already: change its layering in place, so that it keeps its
            // native window (and its place and identity on the desktop).
            target->overrideWindowFlags(flags);
            handle->setFlags(flags);
        } else {
            target->setWindowFlags(flags);
        }
    }
    target->show();
}
