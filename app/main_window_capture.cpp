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

// Windows that were just hidden leave their place to the windows below, which repaint it in
// their own time; the still picture of the screen is taken once that place has settled.
constexpr SettleTiming kWindowsGone{.firstMs = 100, .pollMs = 40, .maxMs = 1000};
// The whole-screen capture waits 200 ms for the screen to repaint without the main window.
constexpr SettleTiming kMainWindowGone{.firstMs = 200, .pollMs = 40, .maxMs = 1000};
constexpr SettleTiming kNothingGone{.firstMs = 0, .pollMs = 40, .maxMs = 0};

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
    // Without a compositing manager a translucent window is drawn opaque: the overlay then
    // shows a still picture of the screen, taken once the program's windows are gone.
    const bool live = platform::services().compositorActive();
    const QRect leaving =
        live ? QRect()
             : deviceFrame(this, screens) | deviceFrame(editor_handover::shownEditor(), screens) |
                   deviceFrame(faceInUse(), screens) | deviceFrame(shownNotice(), screens);
    QImage withWindows = live ? QImage() : grabIfAny(leaving, screenRects);

    closeNotice();
    hide();
    editor_handover::hideEditor();
    if (live) {
        overlay->showOverlay();
    } else {
        grabWhenSettled(overlay, leaving, screenRects, std::move(withWindows), kWindowsGone,
                        [overlay, screenRects](const QImage&) {
                            const QRect desktop = overlay->desktop();
                            const QImage still = area_grab::grab(desktop, screenRects);
                            const QString rejected = area_grab::rejection(
                                still, desktop, screenRects, overlay->screenSeen());
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
    const QRect leaving = (deviceFrame(this, screens) | deviceFrame(shownNotice(), screens))
                              .intersected(screen.device);
    QImage withWindow = grabIfAny(leaving, screenRects);
    closeNotice();
    hide();
    // With none of the program's windows on the screen (a capture asked for from the tray, by
    // a key) there is nothing to wait for.
    const SettleTiming wait = leaving.isEmpty() ? kNothingGone : kMainWindowGone;
    grabWhenSettled(this, leaving, screenRects, std::move(withWindow), wait,
                    [screen, screenRects, seen = seen.value_or(false)](const QImage&) {
                        const QString rejected =
                            whole_screen::intoCanvas(screen.device, screenRects, seen);
                        if (!rejected.isEmpty()) {
                            capture_outcome::failed(rejected);
                            return;
                        }
                        capture_outcome::deliver(capture_outcome::Kind::WholeScreen,
                                                 screen.device.size(), screen);
                    });
}
