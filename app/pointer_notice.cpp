#include "app/pointer_notice.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

#include "capture/capture_layout.h"
#include "ui/notice.h"
#include "ui/notice_window.h"

void noticeUnderPointer(const QString& text) {
    const QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    const QPoint place = capture_layout::noticeCentred(
        screen ? screen->geometry() : QRect(), LC_Form8_aviso::kWidthTw, LC_Form8_aviso::kHeightTw);
    showNotice(text, place.x(), place.y(), true);
}
