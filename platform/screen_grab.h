#pragma once

#include <QImage>
#include <QRect>

namespace platform {
QImage realGrabScreen(const QRect& area);
}
