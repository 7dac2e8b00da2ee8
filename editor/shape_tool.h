#pragma once

#include "editor/drag_tool.h"
#include "editor/tool_kind.h"

// The line, the arrow, the rectangle and the ellipse: drawn from the press point to the
// release point in the stroke colour and the pen width. Shift keeps the line and the arrow at
// 0, 45 or 90 degrees and makes the rectangle a square and the ellipse a circle.
class ShapeTool : public DragTool {
public:
    ShapeTool(LC_Form3_pic* editor, ToolKind kind) : DragTool(editor), kind_(kind) {}

    // The shape's pixels for a drag from `start` to `end` with a pen `width` pixels wide.
    static PixelRuns shapeOf(ToolKind kind, QPoint start, QPoint end, int width);

protected:
    QPoint endFor(QPoint start, QPoint pointer, Qt::KeyboardModifiers modifiers) const override;
    PixelRuns shape(QPoint start, QPoint end) const override;
    QBrush previewBrush() const override;
    void finish(QPoint start, QPoint end) override;

private:
    ToolKind kind_;
};
