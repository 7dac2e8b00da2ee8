#pragma once

#include <QCursor>
#include <QObject>
#include <QPoint>

#include "editor/fill/border_fill.h"

class LC_Form3_pic;

// The canvas's two mouse tools, freehand drawing and the border fill, and the button btnDraw
// that switches between them and sets the pen width. The mode is the editor's label lblDraw.
class DrawTool : public QObject {
    Q_OBJECT
public:
    explicit DrawTool(LC_Form3_pic* editor);

    // Shift held at the click widens the pen, Ctrl narrows it (never below 1). Otherwise, while
    // another tool is in use, the button's own tool (the one it shows) is chosen again; while the
    // pen or the fill is in use, the mode changes, and the button shows the tool now in use.
    void btnDraw_Click();
    // Drawing (the pen) or fill mode: the label lblDraw, btnDraw's picture and tooltip.
    void setMode(bool drawing);
    // Escape during a stroke: the stroke goes, as if it had not been drawn.
    void cancelStroke();
    // The canvas's cursor for the mode.
    QCursor cursor() const;
    // One segment from the last point towards `pointer`, constrained by the modifier keys of
    // this event; its end becomes the last point.
    void DrawStroke(Qt::KeyboardModifiers modifiers, QPoint pointer);
    // Floods the region around `at` with the fill colour, bounded by the stroke colour.
    void FillArea(QPoint at);

    bool drawingMode() const;

    // The stroke in progress.
    bool penDown = false;
    double lastX = 0;
    int lastY = 0;

private:
    void onPress(QPoint pos, Qt::KeyboardModifiers modifiers);
    void onMove(QPoint pos, Qt::KeyboardModifiers modifiers);
    void onRelease();
    bool inUse() const;

    LC_Form3_pic* editor_;
    BorderFill fill_;  // keeps its working memory between fills
    QCursor penCursor_;
    QCursor bucketCursor_;
};
