#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <optional>

class CaptureDesktop;

// Finding the program's pictures on a screenshot.

// Where the picture `capture` (whose top-left pixel came from `origin` on the test pattern) is
// shown on the screen now, other than at `origin` itself unless that is the only place.
std::optional<QPoint> findPicture(const QImage& screen, QPoint origin, QSize size);

// A toolbar picture as it shows on the white toolbar; `pressed`: on the backdrop of the tool
// in use.
QImage toolPicture(const char* name, bool pressed = false);

// The top-left corner of `picture` within `area` of the screen.
std::optional<QPoint> findTool(const QImage& screen, const QRect& area, const QImage& picture);

// Captures the test pattern's area from `from` to `to` (a drag on the overlay, which takes the
// pixels from one past `from`) into the editor: where the editor's canvas shows it on the
// screen, once it does; nothing when it does not within ten seconds.
std::optional<QPoint> captureIntoEditor(CaptureDesktop& d, QPoint from, QPoint to);
