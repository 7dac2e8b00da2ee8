#include "editor/marker_tool.h"

#include <QPainter>

#include "editor/canvas.h"
#include "editor/editor_window.h"
#include "editor/pen_stroke.h"
#include "editor/shapes/marker.h"
#include "editor/shapes/shape_runs.h"

void MarkerTool::add(const PixelRuns& segment) {
    const PixelRuns inside = pixel_runs::clipped(segment, canvas()->image().rect());
    if (inside.empty()) {
        return;
    }
    // Only what the segment adds changes on the screen.
    PixelRuns grown = pixel_runs::united(mask_, inside);
    repaint(pixel_runs::changed(mask_, grown));
    mask_ = std::move(grown);
    bands_ = pixel_runs::bands(mask_);
}

void MarkerTool::press(QPoint pos, Qt::KeyboardModifiers) {
    cancel();
    active_ = true;
    last_ = pos;
    add(shape_runs::line(pos, pos, marker::strokeWidth(canvas()->lineWidth())));
}

void MarkerTool::move(QPoint pos, Qt::KeyboardModifiers modifiers) {
    if (!active_) {
        return;
    }
    const QPoint end = pen_stroke::strokeEnd(last_, pos, modifiers);
    if (end != last_) {
        add(shape_runs::line(last_, end, marker::strokeWidth(canvas()->lineWidth())));
        last_ = end;
    }
}

void MarkerTool::release(QPoint pos, Qt::KeyboardModifiers modifiers) {
    if (!active_) {
        return;
    }
    move(pos, modifiers);
    const PixelRuns mask = mask_;
    cancel();
    const QColor colour = canvas()->foreColor();
    editor_->edit([&] { marker::apply(canvas()->image(), mask, colour); });
}

void MarkerTool::cancel() {
    active_ = false;
    repaint(mask_);
    mask_.clear();
    bands_.clear();
}

void MarkerTool::paintPreview(QPainter& painter, const QRect& exposed) {
    if (bands_.empty()) {
        return;
    }
    // The painter's multiply is the marker's own: the preview shows the pixels it will leave.
    painter.setCompositionMode(QPainter::CompositionMode_Multiply);
    const QColor tint = marker::tint(canvas()->foreColor());
    for (const QRect& r : bands_) {
        if (r.intersects(exposed)) {
            painter.fillRect(r, tint);
        }
    }
}
