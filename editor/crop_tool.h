#pragma once

#include "editor/drag_tool.h"

// Crop: on release, the canvas becomes the rectangle between the press and release points. A
// dashed frame shows it while dragging; a click alone crops nothing.
class CropTool : public DragTool {
public:
    using DragTool::DragTool;

protected:
    PixelRuns shape(QPoint start, QPoint end) const override;
    QBrush previewBrush() const override { return dashedBrush(); }
    void finish(QPoint start, QPoint end) override;
    bool finishesClick() const override { return false; }
};
