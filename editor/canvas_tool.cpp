#include "editor/canvas_tool.h"

#include <QRegion>

#include "editor/canvas.h"
#include "editor/editor_window.h"

Canvas* CanvasTool::canvas() const {
    return editor_->PicDrawBox;
}

void CanvasTool::repaint(const PixelRuns& pixels) const {
    const std::vector<QRect> rects = pixel_runs::bands(pixels);
    if (!rects.empty()) {
        QRegion region;
        region.setRects(rects.data(), static_cast<int>(rects.size()));
        canvas()->updatePicture(region);
    }
}
