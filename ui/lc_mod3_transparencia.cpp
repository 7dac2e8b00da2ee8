#include "ui/lc_mod3_transparencia.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

int LC_Mod3_Transparencia::alphaFor(int percent) {
    const long alpha = std::lrint(percent / 100.0 * 255.0);
    return static_cast<int>(std::clamp(alpha, 0L, 255L));
}

void LC_Mod3_Transparencia::SetTransparency(QWidget* window, int percent, bool on) {
    if (!window) {
        return;
    }
    window->winId();  // a value set before the native window exists is lost
    window->setWindowOpacity(on ? alphaFor(percent) / 255.0 : 1.0);
}
