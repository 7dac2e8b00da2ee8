#include "capture/capture_outcome.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

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

constexpr int kClipboardPauseMs = 200;

MainFace* mainFace() {
    return Forms::instance().mainFace();
}

QSize screenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize();
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

void confirm(MainFace& face, Kind kind) {
    const bool area = kind == Kind::Area;
    const QString text = area ? QStringLiteral("Área copiada!") : QStringLiteral("Tela copiada!");
    auto& beep = platform::services().beep;
    QWidget* main = face.mainWindow();
    const bool mainInUse = face.labels().lblToggleMax != QLatin1String("0");
    QPoint place;
    if (mainInUse && face.hideAfterCapture()) {
        beep();
        face.minimize_to_tray();
        place = capture_layout::noticeCentred(screenSize(), LC_Form8_aviso::kWidthTw,
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

void deliver(Kind kind, QSize size) {
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
        sendToClipboard(kind);
        return;
    }
    editor_handover::showEditor(kind == Kind::WholeScreen
                                    ? capture_layout::forWholeScreen(size)
                                    : capture_layout::forArea(size.width(), size.height()));
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

void sendToClipboard(Kind kind) {
    MainFace* face = mainFace();
    if (!face) {
        return;
    }
    // The buttons' copy keeps its short pause; a command's copy is awaited by a script or a key.
    const int pause = face->captureOrder().commanded ? 0 : kClipboardPauseMs;
    QTimer::singleShot(pause, face->mainWindow(), [kind] {
        MainFace* face = mainFace();
        if (!face) {
            return;
        }
        QString error;
        if (!platform::services().putImageOnClipboard(editor_handover::canvasImage(), &error)) {
            face->captureEnded(true, {});
            platform::services().message(
                shownFace(), QStringLiteral("Lumacap"),
                QStringLiteral("A captura não foi copiada para a área de transferência: %1.")
                    .arg(error),
                platform::MessageIcon::Critical);
            return;
        }
        face->captureEnded(true, {});
        confirm(*face, kind);
    });
}

}  // namespace capture_outcome
