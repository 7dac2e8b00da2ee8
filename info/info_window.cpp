#include "info/info_window.h"

#include <QLabel>
#include <QMouseEvent>

#include "app/forms.h"
#include "app/main_window.h"
#include "app/picture_button.h"
#include "app/units.h"
#include "app/window_drag.h"
#include "app/window_metrics.h"
#include "info/info_pictures.h"

InfoWindow::InfoWindow(const char* name) : LcForm(name) {
    setWindowTitle(QStringLiteral("Lumacap"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    window_metrics::setBorder(this, window_metrics::Border::Fixed);
    setFixedSize(units::px(kClientWidthTw), units::px(kClientHeightTw));
    drag_ = new WindowDrag(this);

    imgMouse = new QLabel(this);
    imgMouse->setObjectName(QStringLiteral("imgMouse"));
    imgMouse->setPixmap(info_pictures::pointer());
    imgMouse->hide();
}

void InfoWindow::Form_Load() {
    if (auto* main = Forms::instance().ifLoaded<LC_Form1_Ini>()) {
        setWindowIcon(main->windowIcon());
        main->TimerHideForm->setInterval(250);
        main->TimerHideForm->start();
    }
}

void InfoWindow::Form_Unload() {
    // Nothing to hand back while the whole program is closing.
    auto* main = Forms::instance().ifLoaded<LC_Form1_Ini>();
    if (!main) {
        return;
    }
    // Closed before the main window's hiding came due: that hiding must not follow the return.
    main->TimerHideForm->stop();
    using namespace window_metrics;
    setLeftTw(main, leftTw(this));
    setTopTw(main, topTw(this) -
                       static_cast<int>(units::roundEven((heightTw(main) - heightTw(this)) / 2.0)));
    main->show();
    main->labels().lblFormNothing = objectName();
    main->TimerFormNothing->setInterval(250);
    main->TimerFormNothing->start();
}

void InfoWindow::usePointerOf(PictureButton* control) {
    connect(control, &PictureButton::moved, this, [this, control] {
        const QPoint hot = info_pictures::pointerHotSpot();
        control->setCursor(QCursor(imgMouse->pixmap(), hot.x(), hot.y()));
    });
}

void InfoWindow::mousePressEvent(QMouseEvent* event) {
    drag_->begin(event->globalPosition().toPoint());
}
