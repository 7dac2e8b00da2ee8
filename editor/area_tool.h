#pragma once

#include "editor/drag_tool.h"
#include "editor/tool_kind.h"

// Pixelate and crop: a dashed frame shows the rectangle between the press and release points
// while dragging; on release that area is pixelated, or becomes the whole canvas. A click
// alone does nothing.
class AreaTool : public DragTool {
public:
    AreaTool(LC_Form3_pic* editor, ToolKind kind) : DragTool(editor), kind_(kind) {}

protected:
    PixelRuns shape(QPoint start, QPoint end) const override;
    QBrush previewBrush() const override;
    void finish(QPoint start, QPoint end) override;
    bool finishesClick() const override { return false; }

private:
    ToolKind kind_;
};
