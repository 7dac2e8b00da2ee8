#include "ui/notice.h"

#include <QLabel>
#include <QTimer>

#include "ui/always_on_top.h"
#include "ui/forms.h"
#include "ui/notice_window.h"
#include "ui/screen_place.h"
#include "ui/window_metrics.h"

void showNotice(const QString& text, int leftTw, int topTw, bool topmost) {
    auto* notice = Forms::instance().get<LC_Form8_aviso>();
    if (!notice) {
        return;  // the program is ending
    }
    notice->lblAviso->setText(text);
    window_metrics::moveTw(notice, leftTw, topTw);
    screen_place::keepInside(notice);
    notice->show();
    if (topmost) {
        SetAlwaysOnTopMode(notice, true);
    }
    notice->TimerAviso->setInterval(1000);
    notice->TimerAviso->start();
}
