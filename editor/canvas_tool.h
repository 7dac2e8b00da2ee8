#pragma once

#include <QCursor>
#include <QPoint>
#include <QRect>
#include <Qt>

#include "editor/shapes/pixel_runs.h"

class Canvas;
class LC_Form3_pic;
class QPainter;

// A tool that works by pressing, dragging and releasing on the canvas, in picture pixels (the
// canvas maps the pointer). While it is used it may show a preview over the picture; only a
// finished use changes the picture, as one undo step.
class CanvasTool {
public:
    explicit CanvasTool(LC_Form3_pic* editor) : editor_(editor) {}
    virtual ~CanvasTool() = default;

    virtual void press(QPoint pos, Qt::KeyboardModifiers modifiers) = 0;
    virtual void move(QPoint pos, Qt::KeyboardModifiers modifiers) = 0;
    virtual void release(QPoint pos, Qt::KeyboardModifiers modifiers) = 0;
    // Escape, another tool chosen, or the picture changed under the drag: the use ends and
    // leaves nothing.
    virtual void cancel() = 0;
    // The preview, in picture pixels, for the picture pixels `exposed`.
    virtual void paintPreview(QPainter& painter, const QRect& exposed) = 0;
    virtual QCursor cursor() const { return Qt::CrossCursor; }
    bool active() const { return active_; }

protected:
    Canvas* canvas() const;
    // Repaints the canvas where it shows these pixels, and nowhere else.
    void repaint(const PixelRuns& pixels) const;

    LC_Form3_pic* editor_;
    bool active_ = false;  // between press and release
};
