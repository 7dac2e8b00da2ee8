#include "editor/canvas_layout.h"

#include "ui/units.h"

namespace {

BarLayout bar(const QRect& geometry, int viewportInner, int canvas) {
    BarLayout b;
    b.shown = true;
    b.geometry = geometry;
    b.max = viewportInner - canvas;
    b.largeChange = viewportInner;
    b.smallChange = static_cast<int>(units::roundEven(viewportInner / 5.0));
    return b;
}

}  // namespace

CanvasLayout layoutCanvas(const CanvasLayoutInput& in) {
    CanvasLayout out;
    if (in.minimised) {
        out.skipped = true;
        return out;
    }
    const int wantW = in.viewportBorderW + in.canvasW;
    const int wantH = in.viewportBorderH + in.canvasH;
    int availW = in.clientW;
    int availH = in.clientH - kViewportTopTw;

    bool needH = wantW > availW;
    if (needH) {
        availH -= in.hBarHeight;
    }
    const bool needV = wantH > availH;
    if (needV) {
        availW -= in.vBarWidth;
        // The vertical bar may take the width the canvas needed.
        if (!needH) {
            needH = wantW > availW;
            if (needH) {
                availH -= in.hBarHeight;
            }
        }
    }

    out.viewport = QRect(0, kViewportTopTw, availW, availH);
    if (needH) {
        out.hBar = bar(QRect(0, availH + kViewportTopTw, availW, in.hBarHeight),
                       availW - in.viewportBorderW, in.canvasW);
    }
    if (needV) {
        out.vBar = bar(QRect(availW, kViewportTopTw, in.vBarWidth, availH),
                       availH - in.viewportBorderH, in.canvasH);
    }
    return out;
}
