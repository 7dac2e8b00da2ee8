// The main window's capture commands: the capture button, the area capture that the overlay
// finishes, and the whole-screen capture.
#include <QGuiApplication>
#include <QRadioButton>
#include <QScreen>

#include "app/command_runner.h"
#include "app/main_window.h"
#include "capture/area_grab.h"
#include "capture/capture_outcome.h"
#include "capture/editor_handover.h"
#include "capture/lc_form2_cap.h"
#include "capture/screen_settle.h"
#include "capture/whole_screen.h"
#include "platform/services.h"
#include "ui/forms.h"
#include "ui/lc_mod3_transparencia.h"
#include "ui/notice_window.h"
#include "ui/window_metrics.h"

namespace {

constexpr int kOverlayOpacityPercent = 30;
// Windows that were just hidden leave their place to the windows below, which repaint it in
// their own time; the still picture of the screen is taken once that place has settled.
constexpr SettleTiming kWindowsGone{.firstMs = 100, .pollMs = 40, .maxMs = 1000};
// The whole-screen capture waits 200 ms for the screen to repaint without the main window.
constexpr SettleTiming kMainWindowGone{.firstMs = 200, .pollMs = 40, .maxMs = 1000};
constexpr SettleTiming kNothingGone{.firstMs = 0, .pollMs = 40, .maxMs = 0};

QSize primaryScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize();
}

QRect frameOnScreen(const QWidget* w, QSize screen) {
    if (!w || !w->isVisible()) {
        return {};
    }
    return w->frameGeometry().intersected(QRect(QPoint(0, 0), screen));
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

QImage grabIfAny(const QRect& area, QSize screen) {
    return area.isEmpty() ? QImage() : area_grab::grab(area, screen);
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
    auto* overlay = Forms::instance().get<LC_Form2_cap>();
    if (!overlay) {
        return;  // the program is ending
    }
    captureUnderWay_ = true;
    rememberSize();
    LC_Mod3_Transparencia::SetTransparency(overlay, kOverlayOpacityPercent, true);

    const QSize screen = primaryScreenSize();
    // Without a compositing manager a translucent window is drawn opaque: the overlay then
    // shows a still picture of the screen, taken once the program's windows are gone.
    const bool live = platform::services().compositorActive();
    const QRect leaving = live ? QRect()
                               : frameOnScreen(this, screen) | editor_handover::shownEditorFrame() |
                                     frameOnScreen(faceInUse(), screen) |
                                     frameOnScreen(shownNotice(), screen);
    QImage withWindows = live ? QImage() : grabIfAny(leaving, screen);

    closeNotice();
    hide();
    editor_handover::hideEditor();
    if (live) {
        overlay->showOverlay();
    } else {
        grabWhenSettled(overlay, leaving, screen, std::move(withWindows), kWindowsGone,
                        [overlay, screen](const QImage&) {
                            const QImage still =
                                area_grab::grab(QRect(QPoint(0, 0), screen), screen);
                            if (still.isNull()) {
                                overlay->unloadForm();
                                capture_outcome::failed(
                                    QStringLiteral("o sistema não entregou a imagem da tela"));
                                return;
                            }
                            overlay->showOverlay(still);
                        });
    }
    setCursor(Qt::CrossCursor);
}

void LC_Form1_Ini::beginWholeScreen() {
    captureUnderWay_ = true;
    rememberSize();
    const QSize screen = primaryScreenSize();
    const QRect leaving = frameOnScreen(this, screen) | frameOnScreen(shownNotice(), screen);
    QImage withWindow = grabIfAny(leaving, screen);
    closeNotice();
    hide();
    // With none of the program's windows on the screen (a capture asked for from the tray, by
    // a key) there is nothing to wait for.
    const SettleTiming wait = leaving.isEmpty() ? kNothingGone : kMainWindowGone;
    grabWhenSettled(this, leaving, screen, std::move(withWindow), wait, [screen](const QImage&) {
        if (!whole_screen::intoCanvas(screen)) {
            capture_outcome::failed(QStringLiteral("o sistema não entregou a imagem da tela"));
            return;
        }
        capture_outcome::deliver(capture_outcome::Kind::WholeScreen, screen);
    });
}
