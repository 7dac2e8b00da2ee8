#include "capture/selection_geometry.h"

#include <algorithm>
#include <cmath>

#include "ui/units.h"

namespace selection_geometry {

namespace {

constexpr int kMinSideTw = 150;  // 10 pixels
constexpr long kBoxLimit = 1000000;

int roundedPixels(int twips) {
    return units::px(twips);
}

}  // namespace

int boxValue(const QString& text) {
    const QString t = text.trimmed();
    int i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+')) {
        negative = t[i] == u'-';
        ++i;
    }
    long value = 0;
    for (; i < t.size() && t[i].isDigit() && t[i].unicode() < 128; ++i) {
        value = std::min(value * 10 + (t[i].unicode() - u'0'), kBoxLimit);
    }
    return static_cast<int>(negative ? -value : value);
}

int labelTwips(const QString& text) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    return ok ? v : 0;
}

TwipsRect fixedArea(QPoint pointerPx, int widthPx, int heightPx, const QRect& screenPx) {
    const int w = std::max(units::tw(widthPx), kMinSideTw);
    const int h = std::max(units::tw(heightPx), kMinSideTw);
    int left = static_cast<int>(std::lrint(units::tw(pointerPx.x()) - w / 2.0));
    int top = static_cast<int>(std::lrint(units::tw(pointerPx.y()) - h / 2.0));
    left = std::max(left, units::tw(screenPx.left()));
    top = std::max(top, units::tw(screenPx.top()));
    // The far edges are checked last, so a rectangle larger than the screen ends at its far
    // edge and starts outside the near one.
    const int screenRight = units::tw(screenPx.left() + screenPx.width());
    const int screenBottom = units::tw(screenPx.top() + screenPx.height());
    if (left >= screenRight - w) {
        left = screenRight - w;
    }
    if (top >= screenBottom - h) {
        top = screenBottom - h;
    }
    return {left, top, left + w, top + h};
}

std::optional<QRect> sourceArea(const TwipsRect& cornersTw, QSize desktopPx) {
    const int x1 = roundedPixels(cornersTw.left);
    const int y1 = roundedPixels(cornersTw.top);
    const int x2 = roundedPixels(cornersTw.right);
    const int y2 = roundedPixels(cornersTw.bottom);
    if (x1 == x2 || y1 == y2) {
        return std::nullopt;
    }
    // A drag towards the left or upwards marks the same area as the opposite drag.
    const int startX = std::min(x1, x2);
    const int startY = std::min(y1, y2);
    const int w = std::min(std::abs(x2 - x1), desktopPx.width());
    const int h = std::min(std::abs(y2 - y1), desktopPx.height());
    return QRect(startX + 1, startY + 1, w, h);
}

QRect frameRect(QPoint a, QPoint b) {
    // A one-pixel outline of a QRect of width d covers d + 1 columns: both corners' columns.
    return QRect(std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::abs(b.x() - a.x()),
                 std::abs(b.y() - a.y()));
}

}  // namespace selection_geometry
