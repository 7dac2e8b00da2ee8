#include "toolbar/compact_toolbar.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

#include "platform/services.h"
#include "settings/statements.h"
#include "settings/store_setting.h"
#include "ui/always_on_top.h"
#include "ui/controls.h"
#include "ui/forms.h"
#include "ui/main_face.h"
#include "ui/notice.h"
#include "ui/picture_button.h"
#include "ui/pictures.h"
#include "ui/screen_place.h"
#include "ui/units.h"
#include "ui/window_drag.h"
#include "ui/window_metrics.h"

namespace {

using controls::outline;

PictureButton* button(QWidget* parent, const char* name, const char* picture, int l, int t,
                      int size, const QString& tip) {
    return controls::pictureButton(parent, name, picture, l, t, size, tip);
}

// The main face; null only while the program is ending, when the toolbar does nothing.
MainFace* mainFace() {
    return Forms::instance().mainFace();
}

}  // namespace

LC_Form7_mini::LC_Form7_mini() : LcForm("LC_Form7_mini") {
    setWindowTitle(QStringLiteral("Lumacap"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window_metrics::setBorder(this, window_metrics::Border::None);
    setFixedSize(units::px(kClientWidthTw), units::px(kClientHeightTw));
    controls::setBackground(this, Qt::white);
    drag_ = new WindowDrag(this);

    shpForm1 = outline(this, "shpForm1", 0, 0, 910, 480, QColor(0x70, 0x70, 0x70));
    shpForm2 = outline(this, "shpForm2", 15, 15, 890, 450, QColor(0xe0, 0xe0, 0xe0));
    btnCap = button(this, "btnCap", "capture", 85, 75, 315, QStringLiteral(" Capturar "));
    btnTop = button(this, "btnTop", "top-off", 470, 60, 150, QStringLiteral(" Manter na frente "));
    btnPosition =
        button(this, "btnPosition", "position", 470, 245, 150, QStringLiteral(" Gravar posição "));
    btnCloseMini = button(this, "btnCloseMini", "back", 680, 60, 150,
                          QStringLiteral(" Cambiar para Lumacap "));
    btnTray =
        button(this, "btnTray", "tray", 680, 245, 150, QStringLiteral(" Minimizar para o tray "));

    // Below the visible area: the two pictures of btnTop and the state label.
    imgTopSim = new QLabel(this);
    imgTopSim->setObjectName(QStringLiteral("imgTopSim"));
    units::place(imgTopSim, 0, 600, 150, 150);
    imgTopSim->setPixmap(pictures::button(QStringLiteral("top-on"), 10));
    imgTopNao = new QLabel(this);
    imgTopNao->setObjectName(QStringLiteral("imgTopNao"));
    units::place(imgTopNao, 180, 600, 150, 150);
    imgTopNao->setPixmap(pictures::button(QStringLiteral("top-off"), 10));
    lblCheckTop = new QLabel(QStringLiteral("0"), this);
    lblCheckTop->setObjectName(QStringLiteral("lblCheckTop"));
    units::place(lblCheckTop, 320, 600, 255, 135);

    connect(btnTop, &PictureButton::clicked, this, &LC_Form7_mini::btnTop_Click);
    connect(btnCap, &PictureButton::clicked, this, &LC_Form7_mini::btnCap_Click);
    connect(btnPosition, &PictureButton::clicked, this, &LC_Form7_mini::btnPosition_Click);
    connect(btnCloseMini, &PictureButton::clicked, this, &LC_Form7_mini::btnCloseMini_Click);
    connect(btnTray, &PictureButton::clicked, this, &LC_Form7_mini::btnTray_Click);
}

void LC_Form7_mini::Form_Load() {
    MainFace* face = mainFace();
    if (!face) {
        return;
    }
    const MainLabels& m = face->labels();
    if (m.lblMax == QLatin1String("0") && m.lblMinimized == QLatin1String("1")) {
        hide();
        face->minimize_to_tray();
    }
    face->hideSoon();

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const int left = m.lblMiniLeft == QLatin1String("0")
                         ? units::tw(screen.x()) +
                               (units::tw(screen.width()) - window_metrics::widthTw(this)) / 2
                         : static_cast<int>(std::lrint(m.lblMiniLeft.toDouble()));
    const int top = m.lblMiniTop == QLatin1String("0")
                        ? units::tw(screen.y()) +
                              (units::tw(screen.height()) - window_metrics::heightTw(this)) / 2
                        : static_cast<int>(std::lrint(m.lblMiniTop.toDouble()));
    window_metrics::moveTw(this, left, top);
    screen_place::bringBack(this);  // stored on a monitor that is gone
    setOnTop(m.lblCheckTop == QLatin1String("1"));
}

void LC_Form7_mini::setOnTop(bool onTop) {
    if (isVisible()) {
        SetAlwaysOnTopMode(this, onTop);
    } else {
        // Not on screen (being loaded, or hidden in the tray): change the layering only; whether
        // the bar shows is up to whoever loaded it.
        setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    }
    const QString state = QString::fromLatin1(onTop ? "1" : "0");
    lblCheckTop->setText(state);
    if (MainFace* face = mainFace()) {
        face->labels().lblCheckTop = state;
    }
    btnTop->setPixmap(onTop ? imgTopSim->pixmap() : imgTopNao->pixmap());
    btnTop->setToolTip(onTop ? QStringLiteral(" Desfazer manter na frente ")
                             : QStringLiteral(" Manter na frente "));
}

void LC_Form7_mini::btnCap_Click() {
    if (MainFace* face = mainFace()) {
        face->FunctionCapture();
    }
    hide();
}

void LC_Form7_mini::btnTop_Click() {
    setOnTop(lblCheckTop->text() == QLatin1String("0"));
}

void LC_Form7_mini::btnPosition_Click() {
    if (screen_place::positionUnknown(this)) {
        return;
    }
    const int left = window_metrics::leftTw(this);
    const int top = window_metrics::topTw(this);
    if (!storeSetting(this, statements::updateMiniPosition(left, top))) {
        return;
    }
    platform::services().beep();
    showNotice(QStringLiteral("Posição gravada!"), left - 450, top, true);
    if (MainFace* face = mainFace()) {
        face->labels().lblMiniLeft = QString::number(left);
        face->labels().lblMiniTop = QString::number(top);
    }
}

void LC_Form7_mini::btnCloseMini_Click() {
    MainFace* face = mainFace();
    if (!face) {
        return;
    }
    face->mainWindow()->show();
    face->labels().lblToggleMax = QStringLiteral("1");
    face->unloadSoon(QStringLiteral("LC_Form7_mini"));
}

void LC_Form7_mini::btnTray_Click() {
    if (MainFace* face = mainFace()) {
        face->minimize_to_tray();
    }
}

void LC_Form7_mini::mousePressEvent(QMouseEvent* event) {
    drag_->begin(event->globalPosition().toPoint());
}
