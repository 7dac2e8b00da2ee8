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
    if (topmost) {
        // Made topmost before it is first shown (this shows it): changing a shown window's
        // flags unmaps and remaps it, which would make the notice flicker.
        SetAlwaysOnTopMode(notice, true);
    } else {
        notice->show();
    }
    notice->TimerAviso->setInterval(1000);
    notice->TimerAviso->start();
}
