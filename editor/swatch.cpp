#include "editor/swatch.h"

#include <QWidget>

namespace swatch {

QColor color(const QWidget* swatch) {
    return swatch->palette().color(QPalette::Window);
}

void setColor(QWidget* swatch, const QColor& color) {
    QPalette p = swatch->palette();
    p.setColor(QPalette::Window, color);
    swatch->setPalette(p);
    swatch->setAutoFillBackground(true);
}

}  // namespace swatch
