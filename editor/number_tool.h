#pragma once

#include <QImage>
#include <algorithm>

#include "editor/canvas_tool.h"

// Numbers: a click stamps a disc of the stroke colour with the next number, 1, 2, 3 and so on.
// While the button is held the stamp follows the pointer; it is stamped where it is let go.
// The next number is part of each undo step (an undo takes the number back); a reset or a new
// capture starts again at 1.
class NumberTool : public CanvasTool {
public:
    using CanvasTool::CanvasTool;

    void press(QPoint pos, Qt::KeyboardModifiers modifiers) override;
    void move(QPoint pos, Qt::KeyboardModifiers modifiers) override;
    void release(QPoint pos, Qt::KeyboardModifiers modifiers) override;
    void cancel() override;
    void paintPreview(QPainter& painter, const QRect& exposed) override;

    int next() const { return next_; }
    void setNext(int number) { next_ = std::max(1, number); }

private:
    QRect area() const;

    QPoint at_;
    QImage stamp_;
    int next_ = 1;
};
