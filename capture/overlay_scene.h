#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <optional>

// What the overlay shows on every screen, in device pixels of the virtual desktop.
struct OverlayScene {
    // The desktop as it was before the overlay came (null: the live desktop shows through the
    // translucent overlay), from `origin`, and the same seen through the overlay's tint.
    QImage still;
    QImage stillDarkened;
    QPoint origin;
    // The frame drawn now: its lines run along the rectangle's edges, both corners included.
    std::optional<QRect> frame;
};
