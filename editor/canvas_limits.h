#pragma once

#include <QString>
#include <QtGlobal>

// The largest canvas the grow buttons make. Beyond it one click could ask for gigabytes (the
// box takes five digits): the grow is refused before anything is allocated.
namespace canvas_limits {

constexpr int kMaxHeight = 32767;           // pixels
constexpr qint64 kMaxPixels = 100'000'000;  // 100 megapixels

// Why a canvas `width` x `height` pixels cannot grow by `band` rows, in Portuguese; empty when
// it can.
QString growRefusal(int width, int height, int band);

}  // namespace canvas_limits
