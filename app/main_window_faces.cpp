// Which face the program shows: the main window or the compact toolbar, and the hand-over to
// the options window.
#include "app/main_window.h"
#include "options/options_window.h"
#include "toolbar/compact_toolbar.h"
#include "ui/forms.h"

void LC_Form1_Ini::startCompactFace(bool inTray) {
    auto* toolbar = Forms::instance().get<LC_Form7_mini>();
    if (!toolbar) {
        return;  // the program is ending
    }
    if (inTray) {
        toolbar->hide();
        minimize_to_tray();
    } else {
        toolbar->show();
    }
}

void LC_Form1_Ini::btnMini_Click() {
    // As in openBeside: a pending unload by name must not take the toolbar about to open.
    if (TimerFormNothing->isActive()) {
        TimerFormNothing_Timer();
    }
    labels_.lblFormNothing = QStringLiteral("LC_Form7_mini");
    const bool loadsNow = Forms::instance().ifLoaded<LC_Form7_mini>() == nullptr;
    const bool loadGoesToTray = loadsNow && labels_.lblMax == QLatin1String("0") &&
                                labels_.lblMinimized == QLatin1String("1");
    // The toolbar is the face in use before it loads: a load that sends the program to the tray
    // hides the toolbar there (or, with no tray, minimises it), never the main window, which
    // goes 250 ms later anyway.
    const QString before = labels_.lblToggleMax;
    labels_.lblToggleMax = QStringLiteral("0");
    auto* toolbar = Forms::instance().get<LC_Form7_mini>();
    if (!toolbar) {
        labels_.lblToggleMax = before;  // the program is ending
        return;
    }
    // With a compact start in the tray the toolbar's load has just sent the program there.
    if (!loadGoesToTray) {
        toolbar->show();
    }
}

void LC_Form1_Ini::btnConfig_Click() {
    openBeside(Forms::instance().get<LC_Form4_config>(), QStringLiteral("LC_Form4_config"));
}
