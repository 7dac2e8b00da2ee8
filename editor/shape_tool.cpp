#include "editor/shape_tool.h"

#include "editor/canvas.h"
#include "editor/editor_window.h"
#include "editor/shapes/drag_geometry.h"
#include "editor/shapes/shape_runs.h"

PixelRuns ShapeTool::shapeOf(ToolKind kind, QPoint start, QPoint end, int width) {
    switch (kind) {
        case ToolKind::Line:
            return shape_runs::line(start, end, width);
        case ToolKind::Arrow:
            return shape_runs::arrow(start, end, width);
        case ToolKind::Rectangle:
            return shape_runs::rectangleOutline(shape_runs::dragRect(start, end), width);
        case ToolKind::Ellipse:
            return shape_runs::ellipseOutline(shape_runs::dragRect(start, end), width);
        default:
            return {};
    }
}

QPoint ShapeTool::endFor(QPoint start, QPoint pointer, Qt::KeyboardModifiers modifiers) const {
    if (!(modifiers & Qt::ShiftModifier)) {
        return DragTool::endFor(start, pointer, modifiers);
    }
    const QSize picture = canvas()->image().size();
    return (kind_ == ToolKind::Line || kind_ == ToolKind::Arrow)
               ? drag_geometry::snappedEnd(start, pointer, picture)
               : drag_geometry::squareEnd(start, pointer, picture);
}

PixelRuns ShapeTool::shape(QPoint start, QPoint end) const {
    return shapeOf(kind_, start, end, canvas()->lineWidth());
}

QBrush ShapeTool::previewBrush() const {
    return QBrush(canvas()->foreColor());
}

void ShapeTool::finish(QPoint start, QPoint end) {
    const PixelRuns runs = shape(start, end);
    const QColor colour = canvas()->foreColor();
    editor_->edit([&] { pixel_runs::fill(canvas()->image(), runs, 0xff000000u | colour.rgb()); });
}
