#pragma once

#include <QColor>
#include <QPainter>
#include <QPen>
#include <functional>
#include <vector>

// The hand every picture is drawn in: dark slate glyphs with one blue accent, on a 24 x 24 grid
// that is scaled to the size asked for.
namespace pictures::ink {

inline const QColor kInk(0x33, 0x41, 0x55);     // slate: outlines and glyphs
inline const QColor kAccent(0x25, 0x63, 0xeb);  // blue: the one highlight of each picture
inline const QColor kLight(0xff, 0xff, 0xff);

using Painter = std::function<void(QPainter&)>;

inline QPen inkPen(qreal width = 2.0) {
    return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// The editor's canvas tools and the backdrop of the tool in use ("down"): name and painter.
struct NamedPainter {
    const char* name;
    Painter paint;
};
const std::vector<NamedPainter>& canvasToolPainters();

}  // namespace pictures::ink
