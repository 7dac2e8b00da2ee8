// Which face the program shows: the main window or the compact toolbar, and the hand-over to
// the options window.
#include "app/main_window.h"
#include "options/options_window.h"
#include "toolbar/compact_toolbar.h"
#include "ui/forms.h"

void LC_Form1_Ini::startCompactFace(bool inTray) {
    auto* toolbar = Forms::instance().get<LC_Form7_mini>();
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
    auto* toolbar = Forms::instance().get<LC_Form7_mini>();
    labels_.lblToggleMax = QStringLiteral("0");
    // With a compact start in the tray the toolbar's load has just sent the program there.
    if (!loadGoesToTray) {
        toolbar->show();
    }
}

void LC_Form1_Ini::btnConfig_Click() {
    openBeside(Forms::instance().get<LC_Form4_config>(), QStringLiteral("LC_Form4_config"));
}
