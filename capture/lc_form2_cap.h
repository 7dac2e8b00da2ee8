#pragma once

#include <QImage>
#include <QRect>
#include <optional>

#include "capture/overlay_corners.h"
#include "ui/lc_form.h"

class QTimer;

// The selection overlay: a borderless window over the whole primary screen, black at 30 percent
// opacity, on which the user marks the area to capture by dragging (selection mode) or by
// placing a rectangle of fixed size (fixed-area mode). Releasing the mouse button captures the
// area; Escape cancels. Either way the overlay unloads itself, so every capture gets a new one.
class LC_Form2_cap : public LcForm {
    Q_OBJECT
public:
    LC_Form2_cap();

    // Places the overlay over the primary screen, sets the crosshair and the program's icon.
    void Form_Load() override;

    // Shows the overlay. With a null `still` the live screen shows through the translucent
    // window (a compositing manager blends it); otherwise the overlay paints `still` (the
    // screen grabbed before it appeared) under its own tint and copies from that picture.
    void showOverlay(const QImage& still = QImage());

    // Finishes on the mouse release: copies the marked area into the editor's canvas and hands
    // it on, or brings the main window back when nothing is marked. Then unloads the overlay.
    void CopyArea();

    const OverlayCorners& corners() const { return corners_; }
    // The frame drawn now (pixels), if any.
    std::optional<QRect> frame() const { return frame_; }

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
    QSize screenSize() const;

    void DrawSelection(QPointF pointer);
    void DrawFixedArea();
    void setFrame(std::optional<QRect> frame);
    void TimerMensagem_Timer();

    void cancel();
    void leaveScreen();
    void handOver(const QImage& picture);

    bool drawing_ = false;
    bool finishing_ = false;
    QPoint startPx_;
    OverlayCorners corners_;
    std::optional<QRect> frame_;
    QImage still_;
    QImage stillDarkened_;
};
