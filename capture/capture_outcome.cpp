#include "capture/capture_outcome.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include "app/face_in_use.h"
#include "app/forms.h"
#include "app/main_window.h"
#include "app/notice.h"
#include "app/notice_window.h"
#include "app/window_metrics.h"
#include "capture/capture_layout.h"
#include "capture/editor_handover.h"
#include "platform/services.h"

namespace capture_outcome {

namespace {

constexpr int kClipboardPauseMs = 200;

LC_Form1_Ini* mainWindow() {
    return Forms::instance().ifLoaded<LC_Form1_Ini>();
}

QSize screenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize();
}

QPoint topLeftTw(const QWidget* w) {
    return {window_metrics::leftTw(w), window_metrics::topTw(w)};
}

void showFace() {
    if (QWidget* face = faceInUse()) {
        face->show();
    }
}

void confirm(LC_Form1_Ini* main, Kind kind) {
    const bool area = kind == Kind::Area;
    const QString text = area ? QStringLiteral("Área copiada!") : QStringLiteral("Tela copiada!");
    auto& beep = platform::services().beep;
    const bool mainInUse = !area || main->labels().lblToggleMax == QLatin1String("1");
    QPoint place;
    if (mainInUse && main->chkHide->isChecked()) {
        beep();
        main->minimize_to_tray();
        place = capture_layout::noticeCentred(screenSize(), LC_Form8_aviso::kWidthTw,
                                              LC_Form8_aviso::kHeightTw);
    } else if (mainInUse) {
        main->show();
        beep();
        place = capture_layout::noticeBesideMain(topLeftTw(main));
    } else {
        QWidget* toolbar = faceInUse();
        toolbar->show();
        beep();
        place = capture_layout::noticeBesideToolbar(topLeftTw(toolbar));
    }
    // Only the whole-screen copy next to the main window stays above other programs.
    const bool topmost = !area && !main->chkHide->isChecked();
    showNotice(text, place.x(), place.y(), topmost);
}

}  // namespace

void nothingCaptured() {
    if (LC_Form1_Ini* main = mainWindow()) {
        main->show();
        main->raise();
        main->activateWindow();
    }
}

void failed(const QString& reason) {
    showFace();
    platform::services().message(
        faceInUse(), QStringLiteral("Lumacap"),
        QStringLiteral("Não foi possível capturar a tela: %1.").arg(reason),
        platform::MessageIcon::Critical);
}

void copyCanvas(Kind kind) {
    LC_Form1_Ini* main = mainWindow();
    if (!main) {
        return;
    }
    QTimer::singleShot(kClipboardPauseMs, main, [main, kind] {
        QString error;
        if (!platform::services().putImageOnClipboard(editor_handover::canvasImage(), &error)) {
            showFace();
            platform::services().message(
                faceInUse(), QStringLiteral("Lumacap"),
                QStringLiteral("A captura não foi copiada para a área de transferência: %1.")
                    .arg(error),
                platform::MessageIcon::Critical);
            return;
        }
        confirm(main, kind);
    });
}

}  // namespace capture_outcome
