// Closing the editor: the main window gets its size back and the program shows the face in
// use, or hides to the tray or the taskbar when the main window asks for it.
#include <QPointer>
#include <QTimer>

#include "editor/editor_window.h"
#include "ui/forms.h"
#include "ui/main_face.h"
#include "ui/window_metrics.h"

void LC_Form3_pic::Form_Unload() {
    // When the whole program is ending there is no face to bring back.
    if (MainFace* face = Forms::instance().mainFace()) {
        restoreFace(*face);
    }
    history_.erase();
}

void LC_Form3_pic::restoreFace(MainFace& face) {
    QWidget* main = face.mainWindow();
    const MainLabels& l = face.labels();
    // A size never recorded ("0") is no size to go back to.
    if (const int w = l.MeWidth.toInt(); w > 0) {
        window_metrics::setWidthTw(main, w);
    }
    if (const int h = l.MeHeight.toInt(); h > 0) {
        window_metrics::setHeightTw(main, h);
    }

    if (face.hideAfterCapture()) {
        if (l.lblTaskbar != QLatin1String("0")) {
            // The main window comes back after 100 ms and goes straight to the taskbar. The
            // editor is gone by then, so the main window carries the timer.
            MainFace* f = &face;
            QTimer::singleShot(100, main, [f, main] {
                main->show();
                main->activateWindow();
                main->raise();
                main->update();
                f->MinimizeToTaskbar();
            });
        } else {
            face.minimize_to_tray();
        }
        return;
    }
    face.faceInUse()->show();
}

void LC_Form3_pic::MinimizeToTaskbar() {
    if (MainFace* face = Forms::instance().mainFace()) {
        face->MinimizeToTaskbar();
    }
}
