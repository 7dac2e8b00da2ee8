#pragma once

#include <vector>

#include "editor/canvas_tool.h"

// The marker: drawn like the pen, but wide and see-through, darkening what is under it. The
// stroke gathers as one mask while the button is held and enters the picture on release, so
// that where it crosses itself it is no darker. Shift and Ctrl keep it level or upright, as
// with the pen.
class MarkerTool : public CanvasTool {
public:
    using CanvasTool::CanvasTool;

    void press(QPoint pos, Qt::KeyboardModifiers modifiers) override;
    void move(QPoint pos, Qt::KeyboardModifiers modifiers) override;
    void release(QPoint pos, Qt::KeyboardModifiers modifiers) override;
    void cancel() override;
    void paintPreview(QPainter& painter, const QRect& exposed) override;

private:
    void add(const PixelRuns& segment);

    QPoint last_;
    PixelRuns mask_;
    std::vector<QRect> bands_;
};
