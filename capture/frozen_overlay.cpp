#include "capture/frozen_overlay.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include "capture/area_grab.h"
#include "capture/capture_outcome.h"
#include "capture/editor_handover.h"
#include "capture/lc_form2_cap.h"
#include "platform/services.h"
#include "ui/forms.h"
#include "ui/main_face.h"

namespace frozen_overlay {

namespace {

// Windows just hidden may leave with an animation of the desktop (about 150 ms on GNOME and
// KDE); Wayland gives no way to see them go, so the picture waits that long, and not at all
// when none was on the screen (a capture from the tray, or a key).
constexpr int kWindowsGoneMs = 200;

// Whether a window of the program other than `except` is on the screen.
bool programShown(const QWidget* except) {
    for (const QWidget* w : QApplication::topLevelWidgets()) {
        if (w != except && w->isVisible()) {
            return true;
        }
    }
    return false;
}

// The picture of the whole desktop, taken once the program's windows have gone (they are
// hiding now); `done` is not called once `context` is gone, and not at all when the picture
// could not be had: the capture has then failed with the reason.
void takePicture(QObject* context, const QWidget* except,
                 std::function<void(const platform::DesktopShot&)> done) {
    const int wait = programShown(except) ? kWindowsGoneMs : 0;
    QTimer::singleShot(wait, context, [context, done = std::move(done)] {
        platform::services().takeDesktopShot(context, done);
    });
}

}  // namespace

bool used() {
    return platform::services().capturesThroughPortal();
}

void startArea(LC_Form2_cap* overlay) {
    takePicture(overlay, overlay, [overlay](const platform::DesktopShot& shot) {
        if (shot.picture.isNull()) {
            overlay->unloadForm();
            capture_outcome::failed(shot.failure);
            return;
        }
        // The desktop's own picture: an area of one colour is what the screen shows.
        overlay->setScreenSeen(true);
        overlay->showOverlay(area_grab::cut(shot.picture, shot.area.topLeft(), overlay->desktop()));
    });
}

void startWholeScreen(QObject* context) {
    const QList<platform::ScreenArea> screens = platform::screenAreas();
    if (screens.isEmpty()) {
        capture_outcome::failed(QStringLiteral("nenhuma tela foi encontrada"));
        return;
    }
    // Wayland tells a program where the pointer is only over its own windows: the screen is the
    // one the face shows on.
    platform::ScreenArea screen = screens.first();
    MainFace* face = Forms::instance().mainFace();
    const QWidget* window = face ? face->faceInUse() : nullptr;
    for (const platform::ScreenArea& s : screens) {
        if (window && window->isVisible() && s.screen == window->screen()) {
            screen = s;
        }
    }
    takePicture(context, nullptr, [screen](const platform::DesktopShot& shot) {
        if (shot.picture.isNull()) {
            capture_outcome::failed(shot.failure);
            return;
        }
        // The desktop's picture itself where it is the screen (its file can then go as it is).
        const QImage picture =
            shot.area == screen.device
                ? shot.picture
                : area_grab::cut(shot.picture, shot.area.topLeft(), screen.device);
        editor_handover::putCapture(picture, true);
        capture_outcome::deliver(capture_outcome::Kind::WholeScreen, picture.size(), screen);
    });
}

}  // namespace frozen_overlay
