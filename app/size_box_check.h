#pragma once

#include <QString>

// The fixed capture size boxes hold a whole number of pixels from kMinSize to the screen's size.
namespace size_box {

constexpr int kMinSize = 10;

// The text a size box must show instead of `text`, given the largest value it may hold. Only
// the digits of `text` count (pasted text may bring others); no number gives "10", a number
// above `limit` gives the limit and one below 10 gives "10". Text already in range comes back
// unchanged, and the result is always in range.
QString checked(const QString& text, int limit);

}  // namespace size_box
