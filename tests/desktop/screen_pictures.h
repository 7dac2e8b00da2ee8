#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <optional>

// Finding the program's pictures on a screenshot.

// A toolbar picture as it shows on the white toolbar; `pressed`: on the backdrop of the tool
// in use.
QImage toolPicture(const char* name, bool pressed = false);

// The top-left corner of `picture` within `area` of the screen.
std::optional<QPoint> findTool(const QImage& screen, const QRect& area, const QImage& picture);
