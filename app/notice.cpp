#include "app/notice.h"

#include <QLabel>
#include <QTimer>

#include "app/forms.h"
#include "app/notice_window.h"
#include "app/window_metrics.h"
#include "toolbar/always_on_top.h"

void showNotice(const QString& text, int leftTw, int topTw, bool topmost) {
    auto* notice = Forms::instance().get<LC_Form8_aviso>();
    notice->lblAviso->setText(text);
    window_metrics::moveTw(notice, leftTw, topTw);
    notice->show();
    if (topmost) {
        SetAlwaysOnTopMode(notice, true);
    }
    notice->TimerAviso->setInterval(1000);
    notice->TimerAviso->start();
}
