// The main window's capture commands: the capture button, the area capture that the overlay
// finishes, and the whole-screen capture.
#include <QRadioButton>
#include <optional>

#include "app/command_runner.h"
#include "app/main_window.h"
#include "capture/area_grab.h"
#include "capture/capture_outcome.h"
#include "capture/editor_handover.h"
#include "capture/frozen_overlay.h"
#include "capture/lc_form2_cap.h"
#include "capture/overlay_look.h"
#include "capture/screen_settle.h"
#include "capture/whole_screen.h"
#include "platform/screens.h"
#include "platform/services.h"
#include "ui/forms.h"
#include "ui/lc_mod3_transparencia.h"
#include "ui/notice_window.h"
#include "ui/window_metrics.h"

namespace {

// The device pixels a shown window covers.
QRect deviceFrame(const QWidget* w, const QList<platform::ScreenArea>& screens) {
    if (!w || !w->isVisible() || screens.isEmpty()) {
        return {};
    }
    const QRect frame = w->frameGeometry();
    return platform::screenAtLogical(screens, frame.center()).toDevice(frame);
}

// The notice of the last capture, if it is still up: it would be captured with the screen, so
// a new capture closes it first.
LC_Form8_aviso* shownNotice() {
    return Forms::instance().ifLoaded<LC_Form8_aviso>();
}

void closeNotice() {
    if (LC_Form8_aviso* notice = shownNotice()) {
        notice->unloadForm();
    }
}

QImage grabIfAny(const QRect& area, const QList<QRect>& screens) {
    return area.isEmpty() ? QImage() : area_grab::grab(area, screens);
}

// Whether the screen's grabs show what is on it, tried on the window the user works with, which
// is never of one colour; nullopt when it is not on the screen to look at.
std::optional<bool> grabsShowTheScreen(const QWidget* face,
                                       const QList<platform::ScreenArea>& screens) {
    const QImage look = grabIfAny(deviceFrame(face, screens), platform::deviceRects(screens));
    if (look.isNull()) {
        return std::nullopt;
    }
    return !area_grab::oneColour(look);
}

}  // namespace

void LC_Form1_Ini::BtnCapture_Click() {
    if (OptCapture0->isChecked() || OptCapture1->isChecked()) {
        FunctionCapture();
    } else {
        CaptureWholeScreen();
    }
}

void LC_Form1_Ini::rememberSize() {
    labels_.MeWidth = QString::number(window_metrics::widthTw(this));
    labels_.MeHeight = QString::number(window_metrics::heightTw(this));
}

void LC_Form1_Ini::FunctionCapture() {
    if (Forms::instance().ifLoaded<LC_Form2_cap>()) {
        return;  // a capture is under way already
    }
    order_ = choices();
    beginAreaCapture();
}

void LC_Form1_Ini::CaptureWholeScreen() {
    order_ = choices();
    beginWholeScreen();
}

void LC_Form1_Ini::startCapture(const CaptureOrder& order) {
    if (Forms::instance().ifLoaded<LC_Form2_cap>()) {
        return;
    }
    order_ = order;
    if (order.mode == CaptureMode::WholeScreen) {
        beginWholeScreen();
    } else {
        beginAreaCapture();
    }
}

void LC_Form1_Ini::captureEnded(bool delivered, const QString& failure) {
    captureUnderWay_ = false;
    commands_->captureEnded(delivered, failure);
}

void LC_Form1_Ini::beginAreaCapture() {
    if (capture_outcome::refusedBySession()) {
        return;  // this session cannot give the screen
    }
    auto* overlay = Forms::instance().get<LC_Form2_cap>();
    if (!overlay) {
        return;  // the program is ending
    }
    captureUnderWay_ = true;
    rememberSize();
    if (frozen_overlay::used()) {
        frozen_overlay::startArea(overlay);  // the picture waits for these windows to go
        closeNotice();
        hide();
        editor_handover::hideEditor();
        return;
    }
    LC_Mod3_Transparencia::SetTransparency(overlay, overlay_look::kOpacityPercent, true);

    const QList<platform::ScreenArea>& screens = overlay->screens();
    const QList<QRect> screenRects = platform::deviceRects(screens);
    const std::optional<bool> seen = grabsShowTheScreen(faceInUse(), screens);
    if (seen == false) {
        overlay->unloadForm();
        capture_outcome::failed(area_grab::oneColourReason());
        return;
    }
    overlay->setScreenSeen(seen.value_or(false));
    auto leave = [this] {
        closeNotice();
        hide();
        editor_handover::hideEditor();
    };
    // Without a compositing manager a translucent window is drawn opaque: the overlay then
    // shows a still picture of the screen, taken once the program's windows are gone.
    if (platform::services().compositorActive()) {
        leave();
        overlay->showOverlay();
    } else {
        const QList<QWidget*> leaving{this, editor_handover::shownEditor(), faceInUse(),
                                      shownNotice()};
        screen_settle::afterLeaving(
            overlay, leaving, screen_settle::kWindowsGoneMs, leave, [overlay, screenRects] {
                const QRect desktop = overlay->desktop();
                const QImage still = area_grab::grab(desktop, screenRects);
                const QString rejected =
                    area_grab::rejection(still, desktop, screenRects, overlay->screenSeen());
                if (!rejected.isEmpty()) {
                    overlay->unloadForm();
                    capture_outcome::failed(rejected);
                    return;
                }
                overlay->showOverlay(still);
            });
    }
    setCursor(Qt::CrossCursor);
}

void LC_Form1_Ini::beginWholeScreen() {
    if (capture_outcome::refusedBySession()) {
        return;
    }
    captureUnderWay_ = true;
    rememberSize();
    if (frozen_overlay::used()) {
        frozen_overlay::startWholeScreen(this);
        closeNotice();
        hide();
        return;
    }
    const QList<platform::ScreenArea> screens = platform::screenAreas();
    if (screens.isEmpty()) {
        capture_outcome::failed(QStringLiteral("nenhuma tela foi encontrada"));
        return;
    }
    const QList<QRect> screenRects = platform::deviceRects(screens);
    const std::optional<bool> seen = grabsShowTheScreen(faceInUse(), screens);
    if (seen == false) {
        capture_outcome::failed(area_grab::oneColourReason());
        return;
    }
    // The screen whose capture button was pressed: the one under the pointer now.
    const platform::ScreenArea screen =
        platform::screenAtDevice(screens, platform::services().cursorPos());
    // Only windows on the captured screen are waited for; with none of the program's windows
    // there (a capture asked for from the tray, by a key) there is nothing to wait for.
    QList<QWidget*> leaving;
    for (QWidget* w : {static_cast<QWidget*>(this), static_cast<QWidget*>(shownNotice())}) {
        if (deviceFrame(w, screens).intersects(screen.device)) {
            leaving.push_back(w);
        }
    }
    screen_settle::afterLeaving(
        this, leaving, screen_settle::kMainWindowGoneMs,
        [this] {
            closeNotice();
            hide();
        },
        [screen, screenRects, seen = seen.value_or(false)] {
            const QString rejected = whole_screen::intoCanvas(screen.device, screenRects, seen);
            if (!rejected.isEmpty()) {
                capture_outcome::failed(rejected);
                return;
            }
            capture_outcome::deliver(capture_outcome::Kind::WholeScreen, screen.device.size(),
                                     screen);
        });
}
