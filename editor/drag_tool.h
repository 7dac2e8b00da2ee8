#pragma once

#include <QBrush>
#include <vector>

#include "editor/canvas_tool.h"

// A tool used by dragging from one point to another: while the button is held, the shape for
// the two points shows over the picture, and each move repaints only the pixels whose preview
// changed; on release the shape is made, as one undo step. Points are clipped to the picture.
class DragTool : public CanvasTool {
public:
    using CanvasTool::CanvasTool;

    void press(QPoint pos, Qt::KeyboardModifiers modifiers) override;
    void move(QPoint pos, Qt::KeyboardModifiers modifiers) override;
    void release(QPoint pos, Qt::KeyboardModifiers modifiers) override;
    void cancel() override;
    void paintPreview(QPainter& painter, const QRect& exposed) override;

protected:
    // Where the drag ends for the pointer and the keys held; by default the pointer, clipped.
    virtual QPoint endFor(QPoint start, QPoint pointer, Qt::KeyboardModifiers modifiers) const;
    virtual PixelRuns shape(QPoint start, QPoint end) const = 0;
    virtual QBrush previewBrush() const = 0;
    // Makes the shape in the picture.
    virtual void finish(QPoint start, QPoint end) = 0;
    // Whether a click without a drag makes anything.
    virtual bool finishesClick() const { return true; }

private:
    void show(PixelRuns runs);

    QPoint start_;
    QPoint end_;
    PixelRuns runs_;
    std::vector<QRect> bands_;
};
