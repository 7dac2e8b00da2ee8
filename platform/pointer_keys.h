#pragma once

#include <QPoint>
#include <Qt>
#include <QtGlobal>
#include <optional>

class QWidget;

namespace platform {
Qt::KeyboardModifiers realKeyboardModifiers();
// The pointer on the virtual desktop in device pixels (one unit per system).
QPoint realCursorPos();
// The same worked out from Qt's position, which Qt rounds to logical pixels.
QPoint qtCursorPos();
// From now on notes the system's own figures for each mouse event, for realEventPixel (one
// unit per system; call it once the application object exists).
void watchPointer();
// See Services::eventPixel (one unit per system).
std::optional<QPoint> realEventPixel(const QWidget* window, quint64 timestamp, QPoint estimate,
                                     int slack);
// That of the system this program runs on now: X11's unit, or Wayland's.
std::optional<QPoint> sessionEventPixel(const QWidget* window, quint64 timestamp, QPoint estimate,
                                        int slack);
}  // namespace platform
