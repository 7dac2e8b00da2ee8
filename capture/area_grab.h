#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

// Pictures of areas of the virtual desktop, in device pixels. The picture always has the area's
// size; what no screen shows (beyond the desktop's edges, or between monitors of different
// sizes) is black.
namespace area_grab {

// The area cut from a picture of the desktop whose top-left pixel is desktop pixel `origin`.
QImage cut(const QImage& desktop, QPoint origin, const QRect& area);

// The area grabbed from the desktop now; `screens` are the device pixels of each screen. A null
// picture when the system gave none.
QImage grab(const QRect& area, const QList<QRect>& screens);

// The smallest rectangle holding every screen.
QRect bounds(const QList<QRect>& screens);

// Whether every pixel of `picture` has one colour.
bool oneColour(const QImage& picture);

// What is said of a grab of one colour where the screen shows more: a broken grab (an XWayland
// session, for one, answers every grab with black).
QString oneColourReason();

// Why `picture`, just grabbed of `area`, is not to be delivered as a capture, or an empty text
// when it is: the system gave no picture, or one of a single colour while the screen shows
// more. With `screenSeen` (a grab just before showed the program's own window as it is) the
// grabs are known to work and a picture of one colour is what the screen shows; without, a
// picture of one colour costs a second look, at the whole desktop, which is never of one
// colour where the grabs work.
QString rejection(const QImage& picture, const QRect& area, const QList<QRect>& screens,
                  bool screenSeen);

}  // namespace area_grab
