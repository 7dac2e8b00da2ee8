// Start-up of the main window: the settings row into the labels, the place, the start face.
#include <QGuiApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>

#include "app/main_window.h"
#include "settings/lc_mod1_bd.h"
#include "settings/startup_values.h"
#include "ui/screen_place.h"
#include "ui/units.h"
#include "ui/window_metrics.h"

namespace {
LC_Form1_Ini::StartFace startFace = LC_Form1_Ini::StartFace::AsStored;
}

void LC_Form1_Ini::setStartFace(StartFace face) {
    startFace = face;
}

void LC_Form1_Ini::Form_Load() {
    // Steps 1-2: one read of the row; the file is closed again before anything else runs.
    const SettingsRow row = LC_Mod1_BD::readSettings();
    const StartupValues v = parseStartupValues(row, LC_Mod1_BD::dbPath());

    // Steps 3-6.
    labels_.lblDesktop = v.shortcuts[0];
    labels_.lblMenu = v.shortcuts[1];
    labels_.lblWindows = v.shortcuts[2];
    labels_.lblMinimized = row.iniMinimized;
    labels_.lblTaskbar = row.optTaskbar;
    labels_.lblMax = row.optMax;
    labels_.lblToggleMax = labels_.lblMax;
    txtWidth->setText(row.fixWidth);
    txtHeight->setText(row.fixHeight);
    // As the toolbar reads them: a number of twips, "0" for centred.
    labels_.lblMiniLeft = QString::number(v.miniLeft);
    labels_.lblMiniTop = QString::number(v.miniTop);

    // Step 7: the stored place, or centred on the primary screen (twips).
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const int left = v.left ? *v.left
                            : units::tw(screen.x()) +
                                  (units::tw(screen.width()) - window_metrics::widthTw(this)) / 2;
    const int top = v.top ? *v.top
                          : units::tw(screen.y()) +
                                (units::tw(screen.height()) - window_metrics::heightTw(this)) / 2;
    window_metrics::moveTw(this, left, top);
    screen_place::bringBack(this);  // stored on a monitor that is gone

    // Step 9 comes before the face is shown so that the choices are set when it appears.
    OptAction0->setChecked(true);
    OptAction1->setChecked(false);
    labels_.lblCopy = "0";
    OptCapture0->setChecked(true);
    OptCapture_Click();

    TimerMensagem->start();

    // Step 8, unless the start asked otherwise.
    const bool inTray = v.iniMinimized == 1 || startFace == StartFace::InTray;
    if (startFace == StartFace::NotYet && !inTray) {
        return;  // the capture asked for at the start shows the face when it ends
    }
    if (v.optMax == 0) {
        hide();
        startCompactFace(inTray);
    } else if (inTray) {
        minimize_to_tray();
    } else {
        show();
    }
}
