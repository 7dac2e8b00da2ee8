#include "info/info_window.h"

#include <QLabel>
#include <QMouseEvent>

#include "info/info_pictures.h"
#include "ui/forms.h"
#include "ui/main_face.h"
#include "ui/picture_button.h"
#include "ui/units.h"
#include "ui/window_drag.h"
#include "ui/window_metrics.h"

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
    if (MainFace* face = Forms::instance().mainFace()) {
        setWindowIcon(face->mainWindow()->windowIcon());
        face->hideSoon();
    }
}

void InfoWindow::Form_Unload() {
    // Nothing to hand back while the whole program is closing.
    MainFace* face = Forms::instance().mainFace();
    if (!face) {
        return;
    }
    QWidget* main = face->mainWindow();
    using namespace window_metrics;
    setLeftTw(main, leftTw(this));
    setTopTw(main, topTw(this) -
                       static_cast<int>(units::roundEven((heightTw(main) - heightTw(this)) / 2.0)));
    main->show();
    face->unloadSoon(objectName());
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
