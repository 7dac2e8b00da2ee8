#include "capture/capture_outcome.h"

#include <cmath>

#include "capture/capture_layout.h"
#include "capture/editor_handover.h"
#include "platform/services.h"
#include "ui/forms.h"
#include "ui/main_face.h"
#include "ui/notice.h"
#include "ui/notice_window.h"
#include "ui/window_metrics.h"

namespace capture_outcome {

namespace {

MainFace* mainFace() {
    return Forms::instance().mainFace();
}

// The logical size that `devicePx` pixels take on the screen: the editor shows a capture one
// picture pixel per device pixel.
int logicalPixels(int devicePx, qreal scale) {
    return static_cast<int>(std::ceil(devicePx / scale - 1e-9));
}

QPoint topLeftTw(const QWidget* w) {
    return {window_metrics::leftTw(w), window_metrics::topTw(w)};
}

QWidget* shownFace() {
    MainFace* face = mainFace();
    QWidget* window = face ? face->faceInUse() : nullptr;
    if (window) {
        window->show();
    }
    return window;
}

void confirm(MainFace& face, Kind kind, const QRect& screen) {
    const bool area = kind == Kind::Area;
    const QString text = area ? QStringLiteral("Área copiada!") : QStringLiteral("Tela copiada!");
    auto& beep = platform::services().beep;
    QWidget* main = face.mainWindow();
    const bool mainInUse = face.labels().lblToggleMax != QLatin1String("0");
    QPoint place;
    if (mainInUse && face.hideAfterCapture()) {
        beep();
        face.minimize_to_tray();
        place = capture_layout::noticeCentred(screen, LC_Form8_aviso::kWidthTw,
                                              LC_Form8_aviso::kHeightTw);
    } else if (mainInUse) {
        main->show();
        beep();
        place = capture_layout::noticeBesideMain(topLeftTw(main));
    } else {
        QWidget* toolbar = face.faceInUse();
        toolbar->show();
        beep();
        place = capture_layout::noticeBesideToolbar(topLeftTw(toolbar));
    }
    // Only the whole-screen copy next to the main window stays above other programs.
    const bool topmost = !area && !face.hideAfterCapture();
    showNotice(text, place.x(), place.y(), topmost);
}

}  // namespace

bool refusedBySession() {
    const QString why = platform::services().captureRefusal();
    if (why.isEmpty()) {
        return false;
    }
    if (MainFace* face = mainFace()) {
        face->captureEnded(false, why);  // a command waiting for the capture hears why
    }
    platform::services().message(shownFace(), QStringLiteral("Lumacap"), why,
                                 platform::MessageIcon::Critical);
    return true;
}

void deliver(Kind kind, QSize size, const platform::ScreenArea& screen) {
    MainFace* face = mainFace();
    if (!face) {
        return;  // the program is ending
    }
    const MainFace::CaptureOrder order = face->captureOrder();
    if (order.saveOnly) {
        face->captureEnded(true, {});  // the face saves it where the command said
        return;
    }
    if (order.copy) {
        sendToClipboard(kind, screen);
        return;
    }
    const QSize shown(logicalPixels(size.width(), screen.scale),
                      logicalPixels(size.height(), screen.scale));
    editor_handover::showEditor(kind == Kind::WholeScreen
                                    ? capture_layout::forWholeScreen(shown)
                                    : capture_layout::forArea(shown.width(), shown.height()),
                                {screen.screen, screen.available});
    face->captureEnded(true, {});
}

void nothingCaptured() {
    if (MainFace* face = mainFace()) {
        const bool stayHidden = face->captureOrder().stayHidden;
        face->captureEnded(false, {});
        if (stayHidden) {
            // Asked for from the tray or the taskbar: back there, never gone from both.
            face->minimize_to_tray();
            return;
        }
        QWidget* window = face->faceInUse();
        window->show();
        window->raise();
        window->activateWindow();
    }
}

void failed(const QString& reason) {
    if (MainFace* face = mainFace()) {
        face->captureEnded(false, reason);
    }
    platform::services().message(
        shownFace(), QStringLiteral("Lumacap"),
        QStringLiteral("Não foi possível capturar a tela: %1.").arg(reason),
        platform::MessageIcon::Critical);
}

void sendToClipboard(Kind kind, const platform::ScreenArea& screen) {
    MainFace* face = mainFace();
    if (!face) {
        return;
    }
    QString error;
    if (!platform::services().putImageOnClipboard(editor_handover::canvasImage(), &error)) {
        // A command waiting for the copy hears of the failure, never of a success.
        face->captureEnded(false, QStringLiteral("a captura não foi copiada para a área de "
                                                 "transferência: %1")
                                      .arg(error));
        platform::services().message(
            shownFace(), QStringLiteral("Lumacap"),
            QStringLiteral("A captura não foi copiada para a área de transferência: %1.")
                .arg(error),
            platform::MessageIcon::Critical);
        return;
    }
    face->captureEnded(true, {});
    confirm(*face, kind, screen.logical);
}

}  // namespace capture_outcome
