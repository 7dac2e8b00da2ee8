#pragma once

#include <QImage>
#include <QRgb>

// How the overlay looks over a still picture of the screen: as a window of black at `alpha`/255
// opacity would look over the live screen, with its frame in white at the same opacity.
namespace overlay_look {

// The overlay's opacity, in percent.
constexpr int kOpacityPercent = 30;

// One channel seen through the overlay: `over` at alpha/255 above `below`, rounded.
inline int blend(int over, int below, int alpha) {
    return (over * alpha + below * (255 - alpha) + 127) / 255;
}

// The picture under black at alpha/255 (RGB32).
QImage darkened(const QImage& picture, int alpha);

// A pixel under white at alpha/255.
QRgb underWhite(QRgb pixel, int alpha);

}  // namespace overlay_look
