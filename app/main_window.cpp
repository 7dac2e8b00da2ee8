#include "app/main_window.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScreen>

#include "app/forms.h"
#include "app/picture_button.h"
#include "app/pictures.h"
#include "app/press_effect.h"
#include "app/tray_icon.h"
#include "app/units.h"
#include "app/window_drag.h"
#include "app/window_metrics.h"

namespace {

template <class W>
W* makeControl(QWidget* parent, const char* name, int l, int t, int w, int h) {
    auto* c = new W(parent);
    c->setObjectName(QString::fromLatin1(name));
    units::place(c, l, t, w, h);
    return c;
}

PictureButton* makeButton(QWidget* parent, const char* name, const char* picture, int l, int t,
                          int size, const QString& tip) {
    auto* b = new PictureButton(QString::fromLatin1(name), parent);
    units::place(b, l, t, size, size);
    b->setPixmap(pictures::button(QString::fromLatin1(picture), units::px(size)));
    b->setToolTip(tip);
    return b;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, int l, int t, int w,
                  int h) {
    auto* label = makeControl<QLabel>(parent, name, l, t, w, h);
    label->setText(text);
    return label;
}

}  // namespace

LC_Form1_Ini::LC_Form1_Ini() : LcForm("LC_Form1_Ini") {
    setWindowTitle(QStringLiteral("Lumacap"));
    setWindowIcon(pictures::programIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    window_metrics::setBorder(this, window_metrics::Border::Fixed);
    setFixedSize(units::px(kClientWidthTw), units::px(kClientHeightTw));
    setMouseTracking(true);
    drag_ = new WindowDrag(this);

    buildControls();
    buildHiddenArea();
    wireControls();
}

void LC_Form1_Ini::buildControls() {
    Frame1 = makeControl<QGroupBox>(this, "Frame1", 230, 75, 3290, 645);
    Frame1->setTitle(QStringLiteral("Capturar"));
    OptCapture0 = makeControl<QRadioButton>(Frame1, "OptCapture0", 120, 285, 975, 255);
    OptCapture0->setText(QStringLiteral("Seleção"));
    OptCapture0->setToolTip(QStringLiteral(" Capturar área selecionada "));
    OptCapture1 = makeControl<QRadioButton>(Frame1, "OptCapture1", 1160, 285, 680, 255);
    OptCapture1->setText(QStringLiteral("Área"));
    OptCapture1->setToolTip(QStringLiteral(" Capturar área definida "));
    OptCapture2 = makeControl<QRadioButton>(Frame1, "OptCapture2", 2000, 285, 660, 255);
    OptCapture2->setText(QStringLiteral("Tela"));
    OptCapture2->setToolTip(QStringLiteral(" Capturar toda a tela "));
    BtnCapture =
        makeButton(Frame1, "BtnCapture", "capture", 2815, 220, 315, QStringLiteral(" Capturar "));

    Label1 = makeLabel(this, "Label1", QStringLiteral("Após captura:"), 390, 810, 1095, 255);
    OptAction0 = makeControl<QRadioButton>(this, "OptAction0", 1590, 815, 855, 200);
    OptAction0->setText(QStringLiteral("Editar"));
    OptAction0->setToolTip(QStringLiteral(" Editar imagem "));
    OptAction1 = makeControl<QRadioButton>(this, "OptAction1", 2420, 815, 855, 200);
    OptAction1->setText(QStringLiteral("Copiar"));
    OptAction1->setToolTip(QStringLiteral(" Copiar imagem para o clipboard "));

    Shape1 = makeControl<QFrame>(this, "Shape1", 230, 1100, 3275, 15);
    Shape1->setFrameShape(QFrame::NoFrame);
    Shape1->setAutoFillBackground(true);
    QPalette linePalette = Shape1->palette();
    linePalette.setColor(QPalette::Window, palette().color(QPalette::Mid));
    Shape1->setPalette(linePalette);

    chkHide = makeControl<QCheckBox>(this, "chkHide", 230, 1315, 1455, 195);
    chkHide->setText(QStringLiteral("Esconder"));
    chkHide->setToolTip(QStringLiteral(" Esconder programa após captura "));
    QPalette grey = chkHide->palette();
    grey.setColor(QPalette::WindowText, QColor(0xa0, 0xa0, 0xa0));
    chkHide->setPalette(grey);
    lblMensagem = makeControl<QLabel>(this, "lblMensagem", 215, 1315, 1695, 255);
    QFont bold = lblMensagem->font();
    bold.setBold(true);
    lblMensagem->setFont(bold);
    QPalette red = lblMensagem->palette();
    red.setColor(QPalette::WindowText, QColor(192, 0, 0));
    lblMensagem->setPalette(red);
    lblMensagem->setAttribute(Qt::WA_TransparentForMouseEvents);

    const int row = 1260, size = 255;
    btnMini = makeButton(this, "btnMini", "mini", 1745, row, size,
                         QStringLiteral(" Cambiar para miniLumacap "));
    btnMinimize = makeButton(this, "btnMinimize", "tray", 2040, row, size,
                             QStringLiteral(" Minimizar para o tray "));
    btnPosition = makeButton(this, "btnPosition", "position", 2345, row, size,
                             QStringLiteral(" Gravar posição "));
    btnConfig =
        makeButton(this, "btnConfig", "config", 2645, row, size, QStringLiteral(" Configuração "));
    btnHelp = makeButton(this, "btnHelp", "help", 2945, row, size, QStringLiteral(" Ajuda "));
    btnAbout = makeButton(this, "btnAbout", "about", 3245, row, size,
                          QStringLiteral(" Sobre o programa "));

    // The fixed-size entry lies over the lower rows while it is in view.
    Frame2 = makeControl<QGroupBox>(this, "Frame2", 230, 4320, 3290, 525);
    Frame2->setAutoFillBackground(true);  // opaque: it covers the controls beneath it
    Label4 = makeLabel(Frame2, "Label4", QStringLiteral("Digite os valores:"), 140, 210, 1305, 255);
    Label2 = makeLabel(Frame2, "Label2", QStringLiteral("L:"), 1460, 210, 150, 255);
    Label2->setToolTip(QStringLiteral(" Largura "));
    txtWidth = makeControl<QLineEdit>(Frame2, "txtWidth", 1640, 180, 480, 240);
    txtWidth->setText(QStringLiteral("500"));
    txtWidth->setToolTip(QStringLiteral(" Largura "));
    Label3 = makeLabel(Frame2, "Label3", QStringLiteral("A:"), 2190, 210, 150, 255);
    Label3->setToolTip(QStringLiteral(" Altura "));
    txtHeight = makeControl<QLineEdit>(Frame2, "txtHeight", 2390, 180, 480, 240);
    txtHeight->setText(QStringLiteral("100"));
    txtHeight->setToolTip(QStringLiteral(" Altura "));
    btnSaveText = makeButton(Frame2, "btnSaveText", "save", 2950, 175, 225,
                             QStringLiteral(" Salvar valores "));
    Frame2->setAutoFillBackground(true);  // in view, it covers the rows below
    Frame2->raise();
}

void LC_Form1_Ini::buildHiddenArea() {
    // SoftIcon only takes the keyboard focus away from the check box; it lies below the
    // client area and is never seen.
    SoftIcon = makeControl<QWidget>(this, "SoftIcon", 0, 1920, 240, 240);
    SoftIcon->setFocusPolicy(Qt::StrongFocus);

    TimerMensagem = new QTimer(this);
    TimerMensagem->setObjectName(QStringLiteral("TimerMensagem"));
    TimerMensagem->setInterval(100);
    TimerHideForm = new QTimer(this);
    TimerHideForm->setObjectName(QStringLiteral("TimerHideForm"));
    TimerHideForm->setInterval(250);
    TimerFormNothing = new QTimer(this);
    TimerFormNothing->setObjectName(QStringLiteral("TimerFormNothing"));
    TimerFormNothing->setInterval(250);
}

void LC_Form1_Ini::wireControls() {
    for (PictureButton* b :
         {BtnCapture, btnMini, btnMinimize, btnPosition, btnConfig, btnHelp, btnAbout}) {
        wirePressEffect(b);
    }
    connect(btnMini, &PictureButton::clicked, this, &LC_Form1_Ini::btnMini_Click);
    connect(btnConfig, &PictureButton::clicked, this, &LC_Form1_Ini::btnConfig_Click);
    connect(BtnCapture, &PictureButton::clicked, this, &LC_Form1_Ini::BtnCapture_Click);
    connect(OptCapture0, &QRadioButton::clicked, this, &LC_Form1_Ini::OptCapture_Click);
    connect(OptCapture1, &QRadioButton::clicked, this, &LC_Form1_Ini::OptCapture_Click);
    connect(OptCapture2, &QRadioButton::clicked, this, &LC_Form1_Ini::OptCapture_Click);
    connect(OptAction0, &QRadioButton::clicked, this, [this] { labels_.lblCopy = "0"; });
    connect(OptAction1, &QRadioButton::clicked, this, [this] { labels_.lblCopy = "1"; });
    connect(chkHide, &QCheckBox::clicked, this, &LC_Form1_Ini::chkHide_Click);
    connect(TimerMensagem, &QTimer::timeout, this, &LC_Form1_Ini::TimerMensagem_Timer);
    connect(TimerHideForm, &QTimer::timeout, this, &LC_Form1_Ini::TimerHideForm_Timer);
    connect(TimerFormNothing, &QTimer::timeout, this, &LC_Form1_Ini::TimerFormNothing_Timer);
    wireInfoButtons();
    wireHiding();
    wireFixedSize();
}

void LC_Form1_Ini::wirePressEffect(PictureButton* button) {
    connect(button, &PictureButton::pressed, this, [this, button] { desceBotao(button); });
    connect(button, &PictureButton::released, this, [this, button] { sobeBotao(button); });
}

void LC_Form1_Ini::desceBotao(QWidget* botao) {
    press_effect::press(botao, {labels_.lblPosLeft, labels_.lblPosTop});
}
void LC_Form1_Ini::sobeBotao(QWidget* botao) {
    press_effect::release(botao, {labels_.lblPosLeft, labels_.lblPosTop});
}
void LC_Form1_Ini::desceBotao2(QWidget* botao) {
    press_effect::press(botao, {labels_.lblPosLeft2, labels_.lblPosTop2});
}
void LC_Form1_Ini::sobeBotao2(QWidget* botao) {
    press_effect::release(botao, {labels_.lblPosLeft2, labels_.lblPosTop2});
}

void LC_Form1_Ini::OptCapture_Click() {
    Frame2->move(Frame2->x(), units::px(OptCapture1->isChecked() ? 1000 : 4320));
}

void LC_Form1_Ini::chkHide_Click() {
    // Grey (button shadow) while unticked, button text while ticked.
    QPalette p = chkHide->palette();
    p.setColor(QPalette::WindowText, chkHide->isChecked() ? palette().color(QPalette::ButtonText)
                                                          : QColor(0xa0, 0xa0, 0xa0));
    chkHide->setPalette(p);
    if (!chkHide->isChecked()) {
        SoftIcon->setFocus();
    }
}

void LC_Form1_Ini::TimerMensagem_Timer() {
    lblMensagem->clear();
    chkHide->setVisible(true);
    TimerMensagem->stop();
}

void LC_Form1_Ini::TimerHideForm_Timer() {
    hide();
    TimerHideForm->stop();
}

void LC_Form1_Ini::TimerFormNothing_Timer() {
    Forms::instance().unload(labels_.lblFormNothing);
    TimerFormNothing->stop();
}

void LC_Form1_Ini::openBeside(QWidget* target, const QString& formName) {
    // A window closed less than 250 ms ago still waits to be unloaded by name: finish that now,
    // or the name written below would make the pending unload take the window being opened.
    if (TimerFormNothing->isActive()) {
        TimerFormNothing_Timer();
    }
    labels_.lblFormNothing = formName;
    using namespace window_metrics;
    moveTw(target, leftTw(this), topTw(this) - (heightTw(target) - heightTw(this)) / 2);
    target->show();
}

void LC_Form1_Ini::resizeEvent(QResizeEvent* event) {
    LcForm::resizeEvent(event);
    // Form_Resize: the width is fixed whatever the user or the window manager tries.
    if (!isMinimized() && window_metrics::widthTw(this) != kWidthTw) {
        window_metrics::setWidthTw(this, kWidthTw);
    }
}

void LC_Form1_Ini::mousePressEvent(QMouseEvent* event) {
    drag_->begin(event->globalPosition().toPoint());
}

void LC_Form1_Ini::mouseMoveEvent(QMouseEvent* event) {
    // Ends the crosshair that an area capture sets on this window.
    setCursor(Qt::ArrowCursor);
    LcForm::mouseMoveEvent(event);
}

void LC_Form1_Ini::Form_Unload() {
    UnloadAllForms();
}

void LC_Form1_Ini::UnloadAllForms() {
    tray_->remove();  // the program ends: no icon may stay behind
    Forms::instance().unloadAll();
    QCoreApplication::exit(0);
}
