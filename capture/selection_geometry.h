#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

// The overlay's arithmetic, free of windows: where the fixed rectangle goes, and which screen
// pixels a marked area stands for. Positions on the overlay are device pixels of the virtual
// desktop, kept as twips (15 to a pixel): a drag may cross screens of different densities, and
// only the screens' own pixels are common to all of them. Every value is a plain int, so
// screens beyond 2184 pixels work.
namespace selection_geometry {

// The whole number a size box holds: leading blanks, an optional sign, then digits up to the
// first other character (no digits: 0). Kept within +-1000000 so that twips never overflow.
int boxValue(const QString& text);

// A corner label read back as twips; text that is not a whole number counts as 0.
int labelTwips(const QString& text);

// A rectangle in twips, corners included (right = left + width).
struct TwipsRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const TwipsRect&) const = default;
};

// The fixed rectangle of widthPx x heightPx (each at least 10) centred on the pointer, held
// inside `screenPx`, the screen under the pointer; one larger than the screen starts left of
// or above its edge.
TwipsRect fixedArea(QPoint pointerPx, int widthPx, int heightPx, const QRect& screenPx);

// The desktop pixels that a marked area stands for: the corners are rounded to whole pixels,
// reversed corners are put in order, width and height are limited to the desktop's, and the
// area starts one pixel inside the marked corner, past the frame's own line. Nothing (nullopt)
// when the area has no width or no height.
std::optional<QRect> sourceArea(const TwipsRect& cornersTw, QSize desktopPx);

// The frame drawn on the overlay for two corners, in pixels: its lines run through both
// corners, whichever way round they were given.
QRect frameRect(QPoint a, QPoint b);

}  // namespace selection_geometry
