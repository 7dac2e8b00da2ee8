#pragma once

#include <vector>

#include "editor/canvas_tool.h"
#include "editor/shapes/pixel_runs.h"

class Canvas;
class LC_Form3_pic;

// The marker: drawn like the pen, but wide and see-through, darkening what is under it. The
// stroke gathers as one mask while the button is held and enters the picture on release, so
// that where it crosses itself it is no darker. Shift and Ctrl keep it level or upright, as
// with the pen.
class MarkerTool : public CanvasTool {
public:
    explicit MarkerTool(LC_Form3_pic* editor) : editor_(editor) {}

    void press(QPoint pos, Qt::KeyboardModifiers modifiers) override;
    void move(QPoint pos, Qt::KeyboardModifiers modifiers) override;
    void release(QPoint pos, Qt::KeyboardModifiers modifiers) override;
    void cancel() override;
    bool active() const override { return active_; }
    void paintPreview(QPainter& painter, const QRect& exposed) override;

private:
    Canvas* canvas() const;
    void add(const PixelRuns& segment);

    LC_Form3_pic* editor_;
    bool active_ = false;
    QPoint last_;
    PixelRuns mask_;
    std::vector<QRect> bands_;
};
