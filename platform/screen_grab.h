#pragma once

#include <QImage>
#include <QRect>

namespace platform {

// The pixels of `area` of the virtual desktop, device pixels one for one: an RGB32 picture of
// the area's size, or a null picture when the system gave none. One unit per system.
QImage realGrabDesktop(const QRect& area);

// The same through Qt's screen grabs, on any system: every screen the area touches is grabbed
// whole at its full resolution; what no screen shows is black.
QImage qtGrabDesktop(const QRect& area);

}  // namespace platform
