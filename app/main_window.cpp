#include "app/main_window.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScreen>

#include "app/command_runner.h"
#include "app/tray_icon.h"
#include "ui/controls.h"
#include "ui/forms.h"
#include "ui/picture_button.h"
#include "ui/pictures.h"
#include "ui/press_effect.h"
#include "ui/units.h"
#include "ui/window_drag.h"
#include "ui/window_metrics.h"

namespace {
const QColor kUntickedGrey(0xa0, 0xa0, 0xa0);
const QColor kMessageRed(192, 0, 0);
}  // namespace

using controls::label;
using controls::make;
using controls::pictureButton;

LC_Form1_Ini::LC_Form1_Ini() : LcForm("LC_Form1_Ini") {
    setWindowTitle(QStringLiteral("Lumacap"));
    setWindowIcon(pictures::programIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    window_metrics::setBorder(this, window_metrics::Border::Fixed);
    setFixedSize(units::px(kClientWidthTw), units::px(kClientHeightTw));
    setMouseTracking(true);
    drag_ = new WindowDrag(this);
    commands_ = new CommandRunner(this);  // a child of this window
    Forms::instance().setMainFace(this, this);

    buildControls();
    buildHiddenArea();
    wireControls();
    controls::fitToStyle(this);
}

LC_Form1_Ini::~LC_Form1_Ini() {
    Forms::instance().setMainFace(nullptr, nullptr);
}

void LC_Form1_Ini::buildControls() {
    Frame1 = make<QGroupBox>(this, "Frame1", 230, 75, 3290, 645);
    Frame1->setTitle(QStringLiteral("Capturar"));
    OptCapture0 = make<QRadioButton>(Frame1, "OptCapture0", 120, 285, 975, 255);
    OptCapture0->setText(QStringLiteral("Seleção"));
    OptCapture0->setToolTip(QStringLiteral(" Capturar área selecionada "));
    OptCapture1 = make<QRadioButton>(Frame1, "OptCapture1", 1160, 285, 680, 255);
    OptCapture1->setText(QStringLiteral("Área"));
    OptCapture1->setToolTip(QStringLiteral(" Capturar área definida "));
    OptCapture2 = make<QRadioButton>(Frame1, "OptCapture2", 2000, 285, 660, 255);
    OptCapture2->setText(QStringLiteral("Tela"));
    OptCapture2->setToolTip(QStringLiteral(" Capturar toda a tela "));
    BtnCapture = pictureButton(Frame1, "BtnCapture", "capture", 2815, 220, 315,
                               QStringLiteral(" Capturar "));

    Label1 = label(this, "Label1", QStringLiteral("Após captura:"), 390, 810, 1095, 255);
    OptAction0 = make<QRadioButton>(this, "OptAction0", 1590, 815, 855, 200);
    OptAction0->setText(QStringLiteral("Editar"));
    OptAction0->setToolTip(QStringLiteral(" Editar imagem "));
    OptAction1 = make<QRadioButton>(this, "OptAction1", 2420, 815, 855, 200);
    OptAction1->setText(QStringLiteral("Copiar"));
    OptAction1->setToolTip(QStringLiteral(" Copiar imagem para o clipboard "));
    controls::exclusive(this, {OptCapture0, OptCapture1, OptCapture2});
    controls::exclusive(this, {OptAction0, OptAction1});

    Shape1 = make<QFrame>(this, "Shape1", 230, 1100, 3275, 15);
    Shape1->setFrameShape(QFrame::NoFrame);
    controls::setBackground(Shape1, palette().color(QPalette::Mid));

    chkHide = make<QCheckBox>(this, "chkHide", 230, 1315, 1455, 195);
    chkHide->setText(QStringLiteral("Esconder"));
    chkHide->setToolTip(QStringLiteral(" Esconder programa após captura "));
    controls::setTextColour(chkHide, kUntickedGrey);
    lblMensagem = make<QLabel>(this, "lblMensagem", 215, 1315, 1695, 255);
    QFont bold = lblMensagem->font();
    bold.setBold(true);
    lblMensagem->setFont(bold);
    controls::setTextColour(lblMensagem, kMessageRed);
    lblMensagem->setAttribute(Qt::WA_TransparentForMouseEvents);

    const int row = 1260, size = 255;
    btnMini = pictureButton(this, "btnMini", "mini", 1745, row, size,
                            QStringLiteral(" Cambiar para miniLumacap "));
    btnMinimize = pictureButton(this, "btnMinimize", "tray", 2040, row, size,
                                QStringLiteral(" Minimizar para o tray "));
    btnPosition = pictureButton(this, "btnPosition", "position", 2345, row, size,
                                QStringLiteral(" Gravar posição "));
    btnConfig = pictureButton(this, "btnConfig", "config", 2645, row, size,
                              QStringLiteral(" Configuração "));
    btnHelp = pictureButton(this, "btnHelp", "help", 2945, row, size, QStringLiteral(" Ajuda "));
    btnAbout = pictureButton(this, "btnAbout", "about", 3245, row, size,
                             QStringLiteral(" Sobre o programa "));

    // The fixed-size entry lies over the lower rows while it is in view.
    Frame2 = make<QGroupBox>(this, "Frame2", 230, 4320, 3290, 525);
    Frame2->setAutoFillBackground(true);  // opaque: it covers the controls beneath it
    Label4 = label(Frame2, "Label4", QStringLiteral("Digite os valores:"), 140, 210, 1305, 255);
    Label2 = label(Frame2, "Label2", QStringLiteral("L:"), 1460, 210, 150, 255);
    Label2->setToolTip(QStringLiteral(" Largura "));
    txtWidth = make<QLineEdit>(Frame2, "txtWidth", 1640, 180, 480, 240);
    txtWidth->setText(QStringLiteral("500"));
    txtWidth->setToolTip(QStringLiteral(" Largura "));
    Label3 = label(Frame2, "Label3", QStringLiteral("A:"), 2190, 210, 150, 255);
    Label3->setToolTip(QStringLiteral(" Altura "));
    txtHeight = make<QLineEdit>(Frame2, "txtHeight", 2390, 180, 480, 240);
    txtHeight->setText(QStringLiteral("100"));
    txtHeight->setToolTip(QStringLiteral(" Altura "));
    btnSaveText = pictureButton(Frame2, "btnSaveText", "save", 2950, 175, 225,
                                QStringLiteral(" Salvar valores "));
    Frame2->setAutoFillBackground(true);  // in view, it covers the rows below
    Frame2->raise();
    // But not the action choice above them: its round marks reach the frame's first row.
    OptAction0->raise();
    OptAction1->raise();
}

void LC_Form1_Ini::buildHiddenArea() {
    // SoftIcon only takes the keyboard focus away from the check box; it lies below the
    // client area and is never seen.
    SoftIcon = make<QWidget>(this, "SoftIcon", 0, 1920, 240, 240);
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
        press_effect::sinkWhilePressed(b, {labels_.lblPosLeft, labels_.lblPosTop});
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

void LC_Form1_Ini::desceBotao(QWidget* botao) {
    press_effect::press(botao, {labels_.lblPosLeft, labels_.lblPosTop});
}
void LC_Form1_Ini::sobeBotao(QWidget* botao) {
    press_effect::release(botao, {labels_.lblPosLeft, labels_.lblPosTop});
}

void LC_Form1_Ini::OptCapture_Click() {
    Frame2->move(Frame2->x(), units::px(OptCapture1->isChecked() ? 1000 : 4320));
}

void LC_Form1_Ini::chkHide_Click() {
    // Grey (button shadow) while unticked, button text while ticked.
    controls::setTextColour(
        chkHide, chkHide->isChecked() ? palette().color(QPalette::ButtonText) : kUntickedGrey);
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
    if (!target) {
        return;  // the program is ending: no window is made
    }
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
