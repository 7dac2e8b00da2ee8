// Hiding the program to the tray or the taskbar, and storing the main window's place.
#include "app/main_window.h"
#include "app/tray_icon.h"
#include "platform/services.h"
#include "settings/statements.h"
#include "settings/store_setting.h"
#include "toolbar/compact_toolbar.h"
#include "ui/forms.h"
#include "ui/notice.h"
#include "ui/picture_button.h"
#include "ui/screen_place.h"
#include "ui/window_metrics.h"

void LC_Form1_Ini::wireHiding() {
    tray_ = new TrayIcon(this);
    connect(tray_, &TrayIcon::clicked, this, &LC_Form1_Ini::TrayIcon_Click);
    connect(btnMinimize, &PictureButton::clicked, this, &LC_Form1_Ini::minimize_to_tray);
    connect(btnPosition, &PictureButton::clicked, this, &LC_Form1_Ini::btnPosition_Click);
}

void LC_Form1_Ini::minimize_to_tray() {
    QWidget* face = faceInUse();
    if (!platform::services().trayAvailable()) {
        // With no tray an icon would never be seen and the program would be gone for good:
        // the taskbar keeps it within reach.
        face->showMinimized();
        return;
    }
    face->hide();
    tray_->add();
}

void LC_Form1_Ini::TrayIcon_Click() {
    // Both buttons bring the face back: an icon that only vanished would leave the program
    // running with no way to reach it.
    faceInUse()->showNormal();
    tray_->remove();
}

bool LC_Form1_Ini::outOfSight() const {
    if (tray_->isPresent()) {
        return true;
    }
    // The toolbar is asked for only if loaded: loading it may itself send the program away.
    const QWidget* face = labels_.lblToggleMax != QLatin1String("0")
                              ? static_cast<const QWidget*>(this)
                              : Forms::instance().ifLoaded<LC_Form7_mini>();
    return face && face->isMinimized();
}

void LC_Form1_Ini::bringForward() {
    QWidget* face = faceInUse();
    face->showNormal();
    face->raise();
    face->activateWindow();
    tray_->remove();
}

void LC_Form1_Ini::MinimizeToTaskbar() {
    // The face in use goes to the taskbar; restored from there it is the one face on screen.
    QWidget* face = faceInUse();
    if (face != this) {
        hide();
    }
    face->showMinimized();
}

void LC_Form1_Ini::btnPosition_Click() {
    if (screen_place::positionUnknown(this)) {
        return;
    }
    const int left = window_metrics::leftTw(this);
    const int top = window_metrics::topTw(this);
    if (!storeSetting(this, statements::updatePosition(left, top))) {
        return;
    }
    platform::services().beep();
    showNotice(QStringLiteral("Posição gravada!"), left + 960, top + 765, true);
}
