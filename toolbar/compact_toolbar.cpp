#include "toolbar/compact_toolbar.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

#include "app/forms.h"
#include "app/main_window.h"
#include "app/notice.h"
#include "app/picture_button.h"
#include "app/pictures.h"
#include "app/store_setting.h"
#include "app/units.h"
#include "app/window_drag.h"
#include "app/window_metrics.h"
#include "platform/services.h"
#include "settings/statements.h"
#include "toolbar/always_on_top.h"

namespace {

PictureButton* button(QWidget* parent, const char* name, const char* picture, int l, int t,
                      int size, const QString& tip) {
    auto* b = new PictureButton(QString::fromLatin1(name), parent);
    units::place(b, l, t, size, size);
    b->setPixmap(pictures::button(QString::fromLatin1(picture), units::px(size)));
    b->setToolTip(tip);
    return b;
}

QFrame* outline(QWidget* parent, const char* name, int l, int t, int w, int h, QColor colour) {
    auto* f = new QFrame(parent);
    f->setObjectName(QString::fromLatin1(name));
    units::place(f, l, t, w, h);
    f->setFrameShape(QFrame::Box);
    f->setLineWidth(1);
    QPalette p = f->palette();
    p.setColor(QPalette::WindowText, colour);
    f->setPalette(p);
    f->setAttribute(Qt::WA_TransparentForMouseEvents);
    return f;
}

LC_Form1_Ini* mainWindow() {
    return Forms::instance().get<LC_Form1_Ini>();
}

}  // namespace

LC_Form7_mini::LC_Form7_mini() : LcForm("LC_Form7_mini") {
    setWindowTitle(QStringLiteral("Lumacap"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window_metrics::setBorder(this, window_metrics::Border::None);
    setFixedSize(units::px(kClientWidthTw), units::px(kClientHeightTw));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
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
    LC_Form1_Ini* main = mainWindow();
    MainLabels& m = main->labels();
    if (m.lblMax == QLatin1String("0") && m.lblMinimized == QLatin1String("1")) {
        hide();
        main->minimize_to_tray();
    }
    main->TimerHideForm->setInterval(250);
    main->TimerHideForm->start();

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const int left = m.lblMiniLeft == QLatin1String("0")
                         ? (units::tw(screen.width()) - window_metrics::widthTw(this)) / 2
                         : static_cast<int>(std::lrint(m.lblMiniLeft.toDouble()));
    const int top = m.lblMiniTop == QLatin1String("0")
                        ? (units::tw(screen.height()) - window_metrics::heightTw(this)) / 2
                        : static_cast<int>(std::lrint(m.lblMiniTop.toDouble()));
    window_metrics::moveTw(this, left, top);
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
    mainWindow()->labels().lblCheckTop = state;
    btnTop->setPixmap(onTop ? imgTopSim->pixmap() : imgTopNao->pixmap());
    btnTop->setToolTip(onTop ? QStringLiteral(" Desfazer manter na frente ")
                             : QStringLiteral(" Manter na frente "));
}

void LC_Form7_mini::btnCap_Click() {
    mainWindow()->FunctionCapture();
    hide();
}

void LC_Form7_mini::btnTop_Click() {
    setOnTop(lblCheckTop->text() == QLatin1String("0"));
}

void LC_Form7_mini::btnPosition_Click() {
    const int left = window_metrics::leftTw(this);
    const int top = window_metrics::topTw(this);
    if (!storeSetting(this, statements::updateMiniPosition(left, top))) {
        return;
    }
    platform::services().beep();
    showNotice(QStringLiteral("Posição gravada!"), left - 450, top, true);
    MainLabels& m = mainWindow()->labels();
    m.lblMiniLeft = QString::number(left);
    m.lblMiniTop = QString::number(top);
}

void LC_Form7_mini::btnCloseMini_Click() {
    LC_Form1_Ini* main = mainWindow();
    main->show();
    main->labels().lblToggleMax = QStringLiteral("1");
    main->labels().lblFormNothing = QStringLiteral("LC_Form7_mini");
    main->TimerFormNothing->setInterval(250);
    main->TimerFormNothing->start();
}

void LC_Form7_mini::btnTray_Click() {
    mainWindow()->minimize_to_tray();
}

void LC_Form7_mini::mousePressEvent(QMouseEvent* event) {
    drag_->begin(event->globalPosition().toPoint());
}
