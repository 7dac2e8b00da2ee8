#include "editor/pixelate_tool.h"

#include "editor/canvas.h"
#include "editor/editor_window.h"
#include "editor/shapes/pixelate.h"
#include "editor/shapes/shape_runs.h"

PixelRuns PixelateTool::shape(QPoint start, QPoint end) const {
    return shape_runs::rectangleOutline(shape_runs::dragRect(start, end), 1);
}

void PixelateTool::finish(QPoint start, QPoint end) {
    editor_->edit([&] { pixelate::apply(canvas()->image(), shape_runs::dragRect(start, end)); });
}
