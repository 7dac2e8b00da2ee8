#include "editor/pen_stroke.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace pen_stroke {

std::vector<PenRow> roundPen(int width) {
    const double centre = (width - 1) / 2.0;
    const double r2 = width * width / 4.0;
    const int first = -(width - 1) / 2;
    std::vector<PenRow> rows;
    for (int j = 0; j < width; ++j) {
        const double dy = j - centre;
        int left = width, right = -1;
        for (int i = 0; i < width; ++i) {
            const double dx = i - centre;
            if (dx * dx + dy * dy <= r2) {
                left = std::min(left, i);
                right = std::max(right, i);
            }
        }
        if (right >= left) {
            rows.push_back({first + j, first + left, first + right});
        }
    }
    return rows;
}

namespace {

class Stamper {
public:
    Stamper(QImage& image, const QColor& colour, int width)
        : image_(image), pen_(roundPen(width)), direct_(image.depth() == 32) {
        pixel_ = 0xff000000u | colour.rgb();
        colour_ = colour;
        colour_.setAlpha(255);
    }

    void stamp(int x, int y) {
        for (const PenRow& row : pen_) {
            const int py = y + row.dy;
            if (py < 0 || py >= image_.height()) {
                continue;
            }
            const int x1 = std::max(0, x + row.left);
            const int x2 = std::min(image_.width() - 1, x + row.right);
            if (x1 > x2) {
                continue;
            }
            if (direct_) {
                auto* line = reinterpret_cast<std::uint32_t*>(image_.scanLine(py));
                std::fill(line + x1, line + x2 + 1, pixel_);
            } else {
                for (int px = x1; px <= x2; ++px) {
                    image_.setPixelColor(px, py, colour_);
                }
            }
        }
    }

private:
    QImage& image_;
    std::vector<PenRow> pen_;
    bool direct_;
    std::uint32_t pixel_ = 0;
    QColor colour_;
};

}  // namespace

QPoint strokeEnd(QPoint last, QPoint pointer, Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::ShiftModifier) {
        return {pointer.x(), last.y()};
    }
    if (modifiers & Qt::ControlModifier) {
        return {last.x(), pointer.y()};
    }
    return pointer;
}

void drawSegment(QImage& image, QPoint from, QPoint to, const QColor& colour, int width) {
    if (image.isNull()) {
        return;
    }
    Stamper pen(image, colour, std::max(1, width));
    walkLine(from, to, [&pen](int x, int y) { pen.stamp(x, y); });
}

}  // namespace pen_stroke
