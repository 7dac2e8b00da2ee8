#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <functional>

class QObject;

// Waiting for the screen to show what lies below a window that has just been hidden. Without a
// compositing manager the windows below repaint the uncovered part in their own time; with one,
// the compositor may still show the hidden window for a frame or a fade. Either way the pixels
// are only right once they no longer show the window and have stopped changing.
class SettleJudge {
public:
    // `withWindow`: the area as it looked with the window still there (null: unknown).
    explicit SettleJudge(QImage withWindow);

    // Feeds the next grab of the area; true once it can be taken as the screen without the
    // window: it differs from the picture with the window and equals the grab before it.
    bool settled(const QImage& grab);

private:
    QImage withWindow_;
    QImage previous_;
};

struct SettleTiming {
    int firstMs = 0;   // before the first look
    int pollMs = 30;   // between looks
    int maxMs = 1000;  // from the start; then the last grab is taken as it is
};

// Grabs `area` of the desktop (whose screens are `screens`, in device pixels) until it has
// settled, then calls `done` with the last grab (null when the screen gave none; an empty area
// is done at once after the first wait). The waits run on timers, so the user interface stays
// live; nothing is called once `context` is gone.
void grabWhenSettled(QObject* context, const QRect& area, const QList<QRect>& screens,
                     QImage withWindow, SettleTiming timing,
                     std::function<void(const QImage&)> done);
