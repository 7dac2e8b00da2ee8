#pragma once

#include <QPoint>
#include <QPointF>
#include <QtGlobal>

class QWidget;

// The device pixel of a mouse event. Qt hands widgets positions rounded to logical pixels, so
// at a density above 1 a position says only roughly which device pixel the pointer is on; the
// system's own figures for the event say exactly.
namespace pointer_pixel {

// The device pixel of a mouse event at `pos` (a position in `widget`) stamped `timestamp`,
// counted from the top-left corner of the widget's window. Without a stamp, where the pointer
// is now stands in for the event's own figures.
QPoint inWindow(const QWidget* widget, QPointF pos, quint64 timestamp = 0);

}  // namespace pointer_pixel
