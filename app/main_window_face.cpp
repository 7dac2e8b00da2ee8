// The main window as the other windows see it (MainFace).
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "app/main_window.h"
#include "toolbar/compact_toolbar.h"
#include "ui/forms.h"

QWidget* LC_Form1_Ini::faceInUse() {
    if (labels_.lblToggleMax != QLatin1String("0")) {
        return this;
    }
    // While the program ends no toolbar is made; this window stands for it.
    QWidget* toolbar = Forms::instance().get<LC_Form7_mini>();
    return toolbar ? toolbar : this;
}

void LC_Form1_Ini::hideSoon() {
    TimerHideForm->setInterval(250);
    TimerHideForm->start();
}

void LC_Form1_Ini::unloadSoon(const QString& formName) {
    // The window hands back: the main window, or the face it brought back, must stay.
    TimerHideForm->stop();
    labels_.lblFormNothing = formName;
    TimerFormNothing->setInterval(250);
    TimerFormNothing->start();
}

void LC_Form1_Ini::endMessage() {
    TimerMensagem_Timer();
}

MainFace::CaptureOrder LC_Form1_Ini::choices() const {
    CaptureOrder order;
    order.mode = OptCapture0->isChecked()   ? CaptureMode::Selection
                 : OptCapture1->isChecked() ? CaptureMode::FixedArea
                                            : CaptureMode::WholeScreen;
    order.copy = labels_.lblCopy != QLatin1String("0");
    return order;
}

QString LC_Form1_Ini::fixedWidthText() const {
    return txtWidth->text();
}

QString LC_Form1_Ini::fixedHeightText() const {
    return txtHeight->text();
}

bool LC_Form1_Ini::hideAfterCapture() const {
    return chkHide->isChecked() || order_.stayHidden;
}
