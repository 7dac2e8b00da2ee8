#pragma once

#include <QBrush>
#include <vector>

#include "editor/canvas_tool.h"
#include "editor/shapes/pixel_runs.h"

class Canvas;
class LC_Form3_pic;

// A tool used by dragging from one point to another: while the button is held, the shape for
// the two points shows over the picture, and each move repaints only the pixels whose preview
// changed; on release the shape is made, as one undo step. Points are clipped to the picture.
class DragTool : public CanvasTool {
public:
    explicit DragTool(LC_Form3_pic* editor) : editor_(editor) {}

    void press(QPoint pos, Qt::KeyboardModifiers modifiers) override;
    void move(QPoint pos, Qt::KeyboardModifiers modifiers) override;
    void release(QPoint pos, Qt::KeyboardModifiers modifiers) override;
    void cancel() override;
    bool active() const override { return active_; }
    void paintPreview(QPainter& painter, const QRect& exposed) override;

    // The preview's pixels now (empty when not in use).
    const PixelRuns& preview() const { return runs_; }

protected:
    // Where the drag ends for the pointer and the keys held; by default the pointer, clipped.
    virtual QPoint endFor(QPoint start, QPoint pointer, Qt::KeyboardModifiers modifiers) const;
    virtual PixelRuns shape(QPoint start, QPoint end) const = 0;
    virtual QBrush previewBrush() const = 0;
    // Makes the shape in the picture.
    virtual void finish(QPoint start, QPoint end) = 0;
    // Whether a click without a drag makes anything.
    virtual bool finishesClick() const { return true; }

    Canvas* canvas() const;
    LC_Form3_pic* editor_;

private:
    void show(PixelRuns runs);

    bool active_ = false;
    QPoint start_;
    QPoint end_;
    PixelRuns runs_;
    std::vector<QRect> bands_;
};

// The brush of an area's frame: short dashes of black and white, seen on any picture.
QBrush dashedBrush();
