#include "editor/area_tool.h"

#include <QImage>

#include "editor/canvas.h"
#include "editor/editor_window.h"
#include "editor/shapes/pixelate.h"
#include "editor/shapes/shape_runs.h"

PixelRuns AreaTool::shape(QPoint start, QPoint end) const {
    return shape_runs::rectangleOutline(shape_runs::dragRect(start, end), 1);
}

QBrush AreaTool::previewBrush() const {
    // Short dashes of black and white, seen on any picture.
    static const QImage dashes = [] {
        QImage image(8, 8, QImage::Format_RGB32);
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) {
                image.setPixel(x, y, ((x / 4 + y / 4) % 2) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
            }
        }
        return image;
    }();
    return QBrush(dashes);
}

void AreaTool::finish(QPoint start, QPoint end) {
    const QRect area = shape_runs::dragRect(start, end);
    if (kind_ == ToolKind::Crop) {
        editor_->cropCanvas(area);
    } else {
        editor_->edit([&] { pixelate::apply(canvas()->image(), area); });
    }
}
