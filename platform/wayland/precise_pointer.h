#pragma once

#include <QPoint>
#include <QPointF>
#include <QtGlobal>
#include <optional>

class QWidget;

// Wayland hands a program the pointer at a fraction of a logical pixel, which Qt's widgets get
// rounded to whole logical pixels: at a density above 1 that loses the device pixel under the
// pointer. The positions are noted from each mouse event as it reaches the window, before the
// rounding.
namespace platform::wayland {

// From now on notes each mouse event's position (on a Wayland session; call it once the
// application object exists).
void watchPointer();

// The full position, in logical pixels of `window` (a top-level widget), of its mouse event
// stamped `timestamp`, which Qt gave rounded as `rounded`; nullopt when it was not noted.
std::optional<QPointF> eventPosition(const QWidget* window, quint64 timestamp, QPointF rounded);

// See Services::eventPixel: the device pixel of the window under that position.
std::optional<QPoint> eventPixel(const QWidget* window, quint64 timestamp, QPoint estimate,
                                 int slack);

}  // namespace platform::wayland
