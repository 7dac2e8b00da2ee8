#pragma once

#include <QRect>

// Where the viewport PicOuter and the scroll bars go (LayoutCanvas). All values in twips. The
// viewport sits kViewportTopTw below the top of the editor's frame, under the toolbar's two
// rows; the bars are placed in the window. A shown bar's Max is the (negative) canvas offset at its
// far end.
struct CanvasLayoutInput {
    bool minimised = false;
    int viewportBorderW = 0;  // PicOuter outer width minus inner width
    int viewportBorderH = 0;
    int canvasW = 0;  // PicDrawBox outer size
    int canvasH = 0;
    int clientW = 0;  // the window's inner size
    int clientH = 0;
    int hBarHeight = 255;
    int vBarWidth = 255;
};

struct BarLayout {
    bool shown = false;
    QRect geometry;  // only when shown; a bar keeps its own thickness
    int max = 0;
    int largeChange = 0;
    int smallChange = 0;
};

struct CanvasLayout {
    bool skipped = false;  // minimised: nothing moves
    QRect viewport;
    BarLayout hBar;
    BarLayout vBar;
};

// The design's one toolbar row took 270 twips; the canvas tools' row adds 270 more.
constexpr int kViewportTopTw = 540;

CanvasLayout layoutCanvas(const CanvasLayoutInput& in);
