#pragma once

#include <QColor>
#include <QImage>

#include "editor/shapes/pixel_runs.h"

// The marker: a wide stroke of the stroke colour at 40% that darkens what lies under it, as a
// highlighter pen does (it multiplies: text under it stays dark, white takes the colour).
namespace marker {

// The stroke's width for the pen width: 12 pixels at 1, 4 more for every step.
int strokeWidth(int penWidth);

// What a pixel under the marker is multiplied by: white 60% of the way to `colour`.
QColor tint(const QColor& colour);

// Multiplies every pixel of `mask` (inside the picture) by the tint of `colour`, once: the
// stroke's own overlaps are one mask, so it never darkens itself. 32-bit pictures.
void apply(QImage& image, const PixelRuns& mask, const QColor& colour);

}  // namespace marker
