#include "editor/crop_tool.h"

#include "editor/editor_window.h"
#include "editor/shapes/shape_runs.h"

PixelRuns CropTool::shape(QPoint start, QPoint end) const {
    return shape_runs::rectangleOutline(shape_runs::dragRect(start, end), 1);
}

void CropTool::finish(QPoint start, QPoint end) {
    editor_->cropCanvas(shape_runs::dragRect(start, end));
}
