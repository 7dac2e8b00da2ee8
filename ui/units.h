#pragma once

#include <QRect>
#include <cmath>

class QWidget;

// Positions and sizes in the model are twips, 15 to a pixel; widgets measure in pixels.
namespace units {

constexpr int kTwipsPerPixel = 15;

// Twips to whole pixels, to the nearest with halves to even.
inline int px(double twips) {
    return static_cast<int>(std::lrint(twips / kTwipsPerPixel));
}
inline int tw(int pixels) {
    return pixels * kTwipsPerPixel;
}
// Rounds to a whole number, halves to even.
inline long roundEven(double v) {
    return std::lrint(v);
}
inline QRect rectPx(int left, int top, int width, int height) {
    return {px(left), px(top), px(width), px(height)};
}

// Places a control by its design geometry in twips.
void place(QWidget* w, int left, int top, int width, int height);

}  // namespace units
