#include "editor/drag_tool.h"

#include <QPainter>

#include "editor/canvas.h"
#include "editor/editor_window.h"
#include "editor/shapes/drag_geometry.h"

QPoint DragTool::endFor(QPoint, QPoint pointer, Qt::KeyboardModifiers) const {
    return drag_geometry::clampTo(pointer, canvas()->image().size());
}

void DragTool::press(QPoint pos, Qt::KeyboardModifiers modifiers) {
    start_ = drag_geometry::clampTo(pos, canvas()->image().size());
    active_ = true;
    end_ = endFor(start_, pos, modifiers);
    show(shape(start_, end_));
}

void DragTool::move(QPoint pos, Qt::KeyboardModifiers modifiers) {
    if (!active_) {
        return;
    }
    const QPoint end = endFor(start_, pos, modifiers);
    if (end != end_) {
        end_ = end;
        show(shape(start_, end_));
    }
}

void DragTool::release(QPoint pos, Qt::KeyboardModifiers modifiers) {
    if (!active_) {
        return;
    }
    move(pos, modifiers);
    const QPoint start = start_, end = end_;
    cancel();
    if (start != end || finishesClick()) {
        finish(start, end);
    }
}

void DragTool::cancel() {
    active_ = false;
    show({});
}

void DragTool::show(PixelRuns runs) {
    runs = pixel_runs::clipped(runs, canvas()->image().rect());
    repaint(pixel_runs::changed(runs_, runs));
    runs_ = std::move(runs);
    bands_ = pixel_runs::bands(runs_);
}

void DragTool::paintPreview(QPainter& painter, const QRect& exposed) {
    const QBrush brush = previewBrush();
    for (const QRect& r : bands_) {
        if (r.intersects(exposed)) {
            painter.fillRect(r, brush);
        }
    }
}
