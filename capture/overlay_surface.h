#pragma once

#include <QPoint>
#include <QPointF>
#include <QRegion>
#include <optional>

#include "capture/overlay_scene.h"
#include "platform/screens.h"

class QPaintEvent;
class QWidget;

// The overlay's look on one screen, for the window that covers it: the scene painted in the
// screen's own pixels, and the window's positions as device pixels of the desktop.
class OverlaySurface {
public:
    OverlaySurface(QWidget* window, const OverlayScene& scene);

    void setScreen(const platform::ScreenArea& screen) { screen_ = screen; }
    const platform::ScreenArea& screen() const { return screen_; }

    // A mouse event's position in the window (also beyond its edges, as during a drag onto
    // another screen).
    QPoint toDevice(QPointF windowPos, quint64 timestamp) const;
    void paint(QPaintEvent* event) const;
    // Repaints where the frame was and where it is now.
    void frameChanged(const std::optional<QRect>& before, const std::optional<QRect>& after);

private:
    QWidget* window_;
    const OverlayScene& scene_;
    platform::ScreenArea screen_;
};
