// Which face the program shows: the main window or the compact toolbar.
#include "app/main_window.h"

void LC_Form1_Ini::startCompactFace(bool inTray) {
    // Until the compact toolbar exists the main window stands in for it, so that a compact
    // start never leaves the user without a window.
    labels_.lblToggleMax = "1";
    if (inTray) {
        minimize_to_tray();
    } else {
        show();
    }
}
