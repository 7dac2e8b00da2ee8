// Closing the editor: the main window gets its size back and the program shows the face in
// use, or hides to the tray or the taskbar when the main window asks for it.
#include <QCheckBox>
#include <QTimer>

#include "app/forms.h"
#include "app/main_window.h"
#include "app/window_metrics.h"
#include "editor/editor_window.h"
#include "toolbar/compact_toolbar.h"

void LC_Form3_pic::Form_Unload() {
    auto* main = Forms::instance().ifLoaded<LC_Form1_Ini>();
    // When the whole program is ending there is no face to bring back.
    if (main && !main->isUnloading()) {
        restoreFace(*main);
    }
    history_.erase();
}

void LC_Form3_pic::restoreFace(LC_Form1_Ini& main) {
    const MainLabels& l = main.labels();
    // A size never recorded ("0") is no size to go back to.
    if (const int w = l.MeWidth.toInt(); w > 0) {
        window_metrics::setWidthTw(&main, w);
    }
    if (const int h = l.MeHeight.toInt(); h > 0) {
        window_metrics::setHeightTw(&main, h);
    }

    if (main.chkHide->isChecked()) {
        if (l.lblTaskbar != QLatin1String("0")) {
            // The main window comes back after 100 ms and goes straight to the taskbar. The
            // editor is gone by then, so the main window carries the timer.
            LC_Form1_Ini* m = &main;
            QTimer::singleShot(100, m, [m] {
                m->show();
                m->activateWindow();
                m->raise();
                m->update();
                m->MinimizeToTaskbar();
            });
        } else {
            main.minimize_to_tray();
        }
        return;
    }
    if (l.lblToggleMax == QLatin1String("1")) {
        main.show();
    } else {
        Forms::instance().get<LC_Form7_mini>()->show();
    }
}

void LC_Form3_pic::MinimizeToTaskbar() {
    if (auto* main = Forms::instance().ifLoaded<LC_Form1_Ini>()) {
        main->MinimizeToTaskbar();
    }
}
