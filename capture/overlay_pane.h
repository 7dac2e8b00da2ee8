#pragma once

#include <QWidget>
#include <functional>

#include "capture/overlay_surface.h"

// The overlay over one screen other than the primary one (the overlay window itself covers
// that): a borderless window with the overlay's look that hands the mouse on in device pixels
// of the desktop. The overlay owns it.
class OverlayPane : public QWidget {
    Q_OBJECT
public:
    struct Mouse {
        std::function<void(QPoint device)> press;
        std::function<void(QPoint device, Qt::MouseButtons buttons)> move;
        std::function<void(QPoint device)> release;
    };

    OverlayPane(const platform::ScreenArea& screen, const OverlayScene& scene, Mouse mouse,
                QWidget* owner);

    OverlaySurface& surface() { return surface_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    OverlaySurface surface_;
    Mouse mouse_;
};
