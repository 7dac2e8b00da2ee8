#include "ui/notice_window.h"

#include <QFrame>
#include <QLabel>
#include <QTimer>

#include "ui/controls.h"
#include "ui/units.h"
#include "ui/window_metrics.h"

LC_Form8_aviso::LC_Form8_aviso() : LcForm("LC_Form8_aviso") {
    // No frame, no taskbar button, and it never takes the focus from the window in use.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    window_metrics::setBorder(this, window_metrics::Border::None);
    setFixedSize(units::px(kWidthTw), units::px(kHeightTw));
    controls::setBackground(this, palette().color(QPalette::Base));

    lblAviso = new QLabel(this);
    lblAviso->setObjectName(QStringLiteral("lblAviso"));
    units::place(lblAviso, 0, 165, 1935, 255);
    lblAviso->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblAviso->setFont(controls::dialogFont(true));
    controls::setTextColour(lblAviso, QColor(192, 0, 0));

    Shape1 = new QFrame(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFrameShape(QFrame::Box);
    Shape1->setLineWidth(1);
    Shape1->setAttribute(Qt::WA_TransparentForMouseEvents);

    TimerAviso = new QTimer(this);
    TimerAviso->setObjectName(QStringLiteral("TimerAviso"));
    TimerAviso->setInterval(1500);
    // A coarse timer may fire up to 5% early; the notice is meant to stay its full time.
    TimerAviso->setTimerType(Qt::PreciseTimer);
    connect(TimerAviso, &QTimer::timeout, this, &LC_Form8_aviso::TimerAviso_Timer);
}

void LC_Form8_aviso::Form_Load() {
    Shape1->setGeometry(rect());
    TimerAviso->start();
}

void LC_Form8_aviso::TimerAviso_Timer() {
    TimerAviso->stop();
    hide();
    unloadForm();  // the next notice makes a new window
}
