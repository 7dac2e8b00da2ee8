#include "ui/units.h"

#include <QWidget>

namespace units {

void place(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(rectPx(left, top, width, height));
}

}  // namespace units
