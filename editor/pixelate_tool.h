#pragma once

#include "editor/drag_tool.h"

// Pixelate: on release, the rectangle between the press and release points becomes blocks of
// one colour each, the average of what they cover. A dashed frame shows the area while dragging.
class PixelateTool : public DragTool {
public:
    using DragTool::DragTool;

protected:
    PixelRuns shape(QPoint start, QPoint end) const override;
    QBrush previewBrush() const override { return dashedBrush(); }
    void finish(QPoint start, QPoint end) override;
    bool finishesClick() const override { return false; }
};
