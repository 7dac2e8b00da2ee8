#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>

#include "editor/fill/fill_scratch.h"

// Floods the 4-connected region around a start pixel with a fill colour. The region is bounded only
// by pixels of exactly the border colour (and the picture's edges); every other colour, the fill
// colour too, is part of the region. Colours compare by red, green and blue: the canvas is
// opaque. A start pixel outside the picture or on a border pixel paints nothing. Pictures that are
// not 32-bit are converted to a 32-bit format first.
//
// Small regions are painted span by span; when a region turns out to be large and busy, the
// rest is left to a pass that labels the whole picture row by row, whose cost does not depend on
// the region's shape. The object keeps its working memory for the next fill.
class BorderFill {
public:
    // Returns the number of pixels painted. `spanBudget` is how many runs the span fill may
    // paint before it hands over; by default a share of the picture's size.
    qsizetype operator()(QImage& image, QPoint start, const QColor& fill, const QColor& border,
                         qsizetype spanBudget = -1);

private:
    FillScratch scratch_;
};

// One fill with working memory of its own.
inline qsizetype borderFill(QImage& image, QPoint start, const QColor& fill, const QColor& border,
                            qsizetype spanBudget = -1) {
    return BorderFill()(image, start, fill, border, spanBudget);
}
