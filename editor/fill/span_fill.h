#pragma once

#include <QImage>
#include <QPoint>
#include <cstdint>
#include <optional>

#include "editor/fill/fill_scratch.h"

// The span fill: paints each horizontal run of the region as it is found and looks for open
// runs above and below it. Quick for the usual region, but it follows the region's shape
// through memory, so a region that winds through a large picture is cheaper labelled row by
// row (run_fill.h). Stops after `spanBudget` runs and returns nullopt, leaving what it painted so
// far (a later fill of the same region paints the same pixels again). `image` is 32-bit,
// `fill` opaque and of another colour than `border`; `start` lies inside the picture.
std::optional<qsizetype> spanFill(QImage& image, QPoint start, std::uint32_t fill,
                                  std::uint32_t border, qsizetype spanBudget, FillScratch& scratch);
