#include "toolbar/always_on_top.h"

#include <QWidget>

void SetAlwaysOnTopMode(QWidget* target, bool onTop) {
    if (!target) {
        return;
    }
    if (target->windowFlags().testFlag(Qt::WindowStaysOnTopHint) != onTop) {
        // Changing a window's flags hides it; it keeps its place and is shown again below.
        const QPoint place = target->pos();
        target->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
        target->move(place);
    }
    target->show();
}
