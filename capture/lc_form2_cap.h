#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <optional>

#include "capture/overlay_corners.h"
#include "capture/overlay_scene.h"
#include "capture/overlay_surface.h"
#include "platform/screens.h"
#include "ui/lc_form.h"

class OverlayPane;
class QTimer;

// The selection overlay: a borderless window over the primary screen, and one more over every
// other screen, black at 30 percent opacity, on which the user marks the area to capture by
// dragging (selection mode, also from one screen onto another) or by placing a rectangle of
// fixed size (fixed-area mode). Releasing the mouse button captures the area; Escape cancels.
// Either way the overlay unloads itself, so every capture gets a new one. Positions are device
// pixels of the virtual desktop.
class LC_Form2_cap : public LcForm {
    Q_OBJECT
public:
    LC_Form2_cap();

    // Places the overlay over the screens, sets the crosshair and the program's icon.
    void Form_Load() override;

    // The screens the overlay covers (the primary one first), and the rectangle holding them.
    const QList<platform::ScreenArea>& screens() const { return screens_; }
    QRect desktop() const;

    // Shows the overlay. With a null `still` the live screen shows through the translucent
    // windows (a compositing manager blends them); otherwise the overlay paints `still` (the
    // desktop() grabbed before it appeared) under its own tint and copies from that picture.
    void showOverlay(const QImage& still = QImage());

    // Finishes on the mouse release: copies the marked area into the editor's canvas and hands
    // it on, or brings the main window back when nothing is marked. Then unloads the overlay.
    void CopyArea();

    // A grab just before showed the program's own window as it is: the screen's grabs work, and
    // a capture of one colour is what the screen shows (see area_grab::rejection).
    void setScreenSeen(bool seen) { screenSeen_ = seen; }
    bool screenSeen() const { return screenSeen_; }

    const OverlayCorners& corners() const { return corners_; }
    // The frame drawn now (device pixels), if any.
    std::optional<QRect> frame() const { return scene_.frame; }

    QTimer* TimerMensagem = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class Mode { Selection, FixedArea, None };
    Mode mode() const;

    // The mouse on any screen, in device pixels.
    void press(QPoint pointer);
    void move(QPoint pointer, Qt::MouseButtons buttons);
    void release(QPoint pointer);

    void DrawSelection(QPoint pointer);
    void DrawFixedArea(QPoint pointer);
    void setFrame(std::optional<QRect> frame);
    void TimerMensagem_Timer();

    void cancel();
    void leaveScreen();
    void handOver(const QImage& picture, const QRect& source);

    bool drawing_ = false;
    bool finishing_ = false;
    bool screenSeen_ = false;
    QPoint startPx_;
    OverlayCorners corners_;
    OverlayScene scene_;
    OverlaySurface surface_;
    QList<platform::ScreenArea> screens_;
    QList<OverlayPane*> panes_;  // owned by the overlay
};
