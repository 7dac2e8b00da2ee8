#pragma once

#include <QImage>
#include <QPoint>
#include <cstdint>

#include "editor/fill/fill_scratch.h"

// The labelling fill: one pass over the rows splits each into runs of non-border pixels and
// joins the runs that touch runs of the row above; a second pass paints the runs joined to the
// start pixel's. Its cost is close to reading and writing the picture once, whatever the region's
// shape. `image` is 32-bit and `start` lies inside it; returns the number of pixels painted.
qsizetype runFill(QImage& image, QPoint start, std::uint32_t fill, std::uint32_t border,
                  FillScratch& scratch);
