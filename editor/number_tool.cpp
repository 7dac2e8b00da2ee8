#include "editor/number_tool.h"

#include <QPainter>

#include "editor/canvas.h"
#include "editor/editor_window.h"
#include "editor/shapes/drag_geometry.h"
#include "editor/shapes/number_stamp.h"

QRect NumberTool::area() const {
    return number_stamp::area(at_, canvas()->lineWidth());
}

void NumberTool::press(QPoint pos, Qt::KeyboardModifiers) {
    stamp_ = number_stamp::picture(next_, canvas()->foreColor(), canvas()->lineWidth());
    at_ = drag_geometry::clampTo(pos, canvas()->image().size());
    active_ = true;
    canvas()->updatePicture(area());
}

void NumberTool::move(QPoint pos, Qt::KeyboardModifiers) {
    const QPoint at = drag_geometry::clampTo(pos, canvas()->image().size());
    if (!active_ || at == at_) {
        return;
    }
    canvas()->updatePicture(area());
    at_ = at;
    canvas()->updatePicture(area());
}

void NumberTool::release(QPoint pos, Qt::KeyboardModifiers modifiers) {
    if (!active_) {
        return;
    }
    move(pos, modifiers);
    cancel();
    const int number = next_;
    const QColor colour = canvas()->foreColor();
    // The step is recorded with this number as the next one; the stamp then takes it.
    if (editor_->edit([&] {
            number_stamp::stamp(canvas()->image(), at_, number, colour, canvas()->lineWidth());
        })) {
        next_ = number + 1;
    }
}

void NumberTool::cancel() {
    if (active_) {
        active_ = false;
        canvas()->updatePicture(area());
    }
}

void NumberTool::paintPreview(QPainter& painter, const QRect& exposed) {
    if (active_ && area().intersects(exposed)) {
        painter.drawImage(area().topLeft(), stamp_);
    }
}
