#include "editor/fill/border_fill.h"

#include <algorithm>

#include "editor/fill/fill_scan.h"
#include "editor/fill/run_fill.h"
#include "editor/fill/span_fill.h"

namespace {

bool isWorkingFormat(QImage::Format f) {
    return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 ||
           f == QImage::Format_ARGB32_Premultiplied;
}

}  // namespace

qsizetype BorderFill::operator()(QImage& image, QPoint start, const QColor& fill,
                                 const QColor& border, qsizetype spanBudget) {
    if (image.isNull() || !image.rect().contains(start)) {
        return 0;
    }
    if (!isWorkingFormat(image.format())) {
        image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                : QImage::Format_RGB32);
    }
    // Opaque in every working format; premultiplied and plain values agree when alpha is 255.
    const std::uint32_t fillPixel = 0xff000000u | (fill.rgb() & fill_scan::kRgbMask);
    const std::uint32_t borderRgb = border.rgb() & fill_scan::kRgbMask;
    if (spanBudget < 0) {
        // Spans that wander through a large picture cost a few cache misses each; this many
        // cost about as much as a labelling pass.
        spanBudget = std::max<qsizetype>(1024, image.width() * qsizetype(image.height()) / 2048);
    }
    qsizetype painted = 0;
    if ((fillPixel & fill_scan::kRgbMask) == borderRgb) {
        // Painted pixels become walls here, so a labelling pass after a partial span fill
        // would see walls that were not there: label the untouched picture instead.
        painted = runFill(image, start, fillPixel, borderRgb, scratch_);
    } else if (const auto spans =
                   spanFill(image, start, fillPixel, borderRgb, spanBudget, scratch_)) {
        painted = *spans;
    } else {
        painted = runFill(image, start, fillPixel, borderRgb, scratch_);
    }
    scratch_.trim();
    return painted;
}
