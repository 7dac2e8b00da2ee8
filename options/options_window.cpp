#include "options/options_window.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <tuple>

#include "options/autostart_caption.h"
#include "options/options_apply.h"
#include "platform/program_dir.h"
#include "platform/services.h"
#include "settings/lc_mod1_bd.h"
#include "ui/controls.h"
#include "ui/forms.h"
#include "ui/main_face.h"
#include "ui/notice.h"
#include "ui/units.h"
#include "ui/window_drag.h"
#include "ui/window_metrics.h"

namespace {

template <class W>
W* make(QWidget* parent, const char* name, const QString& text, const QString& tip, QRect px) {
    auto* w = new W(parent);
    w->setObjectName(QString::fromLatin1(name));
    w->setText(text);
    w->setToolTip(tip);
    w->setGeometry(px);
    return w;
}

QGroupBox* group(QWidget* parent, const char* name, const QString& title, QRect px) {
    auto* g = new QGroupBox(title, parent);
    g->setObjectName(QString::fromLatin1(name));
    g->setGeometry(px);
    controls::setBackground(g, Qt::white);
    g->ensurePolished();  // its inside depends on the style and font it is drawn with
    return g;
}

// Row `n` of a group, `left` and `width` pixels: rows of option buttons and check boxes start
// inside the group, a pixel below its caption and frame line, one under the other.
QRect row(const QGroupBox* g, int n, int left, int width) {
    constexpr int kRowHeight = 16;  // the style's 14-pixel mark with a pixel free around it
    return {left, g->contentsRect().top() + 1 + n * kRowHeight, width, kRowHeight};
}

struct Option {
    const char* name;
    QString text;
    QString tip;
};

// A captioned group `top` pixels down holding two option buttons side by side: one choice.
std::tuple<QGroupBox*, QRadioButton*, QRadioButton*> choiceGroup(QWidget* parent, const char* name,
                                                                 const QString& title, int top,
                                                                 const Option& first,
                                                                 const Option& second) {
    QGroupBox* g = group(parent, name, title, {8, top, 232, 38});
    auto* a = make<QRadioButton>(g, first.name, first.text, first.tip, row(g, 0, 10, 100));
    auto* b = make<QRadioButton>(g, second.name, second.text, second.tip, row(g, 0, 120, 100));
    controls::exclusive(parent, {a, b});
    return {g, a, b};
}

const char* flag(bool on) {
    return on ? "1" : "0";
}

}  // namespace

LC_Form4_config::LC_Form4_config() : LcForm("LC_Form4_config") {
    setWindowTitle(QStringLiteral("Lumacap"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    window_metrics::setBorder(this, window_metrics::Border::Fixed);
    setFixedSize(units::px(kClientWidthTw), units::px(kClientHeightTw));
    controls::setBackground(this, palette().color(QPalette::Base));
    drag_ = new WindowDrag(this);
    buildControls();
}

void LC_Form4_config::buildControls() {
    // Four groups one under the other, then the remake box beside the button. Inside a group
    // the rows start below its caption and frame line, wherever this desktop's style draws them.
    std::tie(Frame1, optMax, optMini) = choiceGroup(
        this, "Frame1", QStringLiteral("Iniciar com:"), 4,
        {"optMax", QStringLiteral("Versão max"),
         QStringLiteral(" Versão estendida do aplicativo ")},
        {"optMini", QStringLiteral("Versão mini"), QStringLiteral(" Versão mini do aplicativo ")});
    std::tie(Frame3, optTaskbar, optTray) = choiceGroup(
        this, "Frame3", QStringLiteral("Ao esconder, ir para:"), 44,
        {"optTaskbar", QStringLiteral("Taskbar"), QStringLiteral(" Ir para a barra de tarefas ")},
        {"optTray", QStringLiteral("System tray"), QStringLiteral(" Ir para o system tray ")});
    std::tie(frmInicio, optMinimized1, optMinimized0) = choiceGroup(
        this, "frmInicio", QStringLiteral("Iniciar no tray:"), 84,
        {"optMinimized1", QStringLiteral("Sim"),
         QStringLiteral(" Iniciar o aplicativo no system tray ")},
        {"optMinimized0", QStringLiteral("Não"), QStringLiteral(" Iniciar em modo normal ")});
    frmAtalhos = group(this, "frmAtalhos", QStringLiteral("Atalhos:"), {8, 124, 232, 54});
    chkDesktop = make<QCheckBox>(frmAtalhos, "chkDesktop", QStringLiteral("Desktop"),
                                 QStringLiteral(" Ícone na área de trabalho/desktop "),
                                 row(frmAtalhos, 0, 10, 100));
    chkMenu =
        make<QCheckBox>(frmAtalhos, "chkMenu", QStringLiteral("Menu iniciar"),
                        QStringLiteral(" Ícone no menu Iniciar "), row(frmAtalhos, 0, 120, 108));
    chkWindows = make<QCheckBox>(frmAtalhos, "chkWindows", QString::fromUtf8(kAutostartCaption),
                                 QStringLiteral(" Iniciar automaticamente com o Windows "),
                                 row(frmAtalhos, 1, 10, 200));
    Frame2 = group(this, "Frame2", QString(), {8, 180, 150, 26});
    chkRemake = make<QCheckBox>(
        Frame2, "chkRemake", QStringLiteral("Refazer atalhos"),
        QStringLiteral(
            " Marque essa opção se quiser que todos os atalhos marcados sejam refeitos "),
        row(Frame2, 0, 8, 136));
    btnUpdate =
        make<QPushButton>(this, "btnUpdate", QStringLiteral("Ok"), QString(), {166, 180, 74, 26});
    controls::fitToStyle(this);

    // The hidden labels follow the boxes whenever their value changes, also when set by code.
    connect(chkDesktop, &QCheckBox::toggled, this,
            [this](bool on) { labels_.lblDesktop = QString::fromLatin1(flag(on)); });
    connect(chkMenu, &QCheckBox::toggled, this,
            [this](bool on) { labels_.lblMenu = QString::fromLatin1(flag(on)); });
    connect(chkWindows, &QCheckBox::toggled, this,
            [this](bool on) { labels_.lblWindows = QString::fromLatin1(flag(on)); });
    connect(btnUpdate, &QPushButton::clicked, this, &LC_Form4_config::btnUpdate_Click);

    TimerMensagem = new QTimer(this);
    TimerMensagem->setObjectName(QStringLiteral("TimerMensagem"));
    TimerMensagem->setInterval(100);
    connect(TimerMensagem, &QTimer::timeout, this, [] {
        // Ends any notice of the main window; this window's own timer keeps running.
        if (MainFace* face = Forms::instance().mainFace()) {
            face->endMessage();
        }
    });
}

void LC_Form4_config::Form_Load() {
    MainFace* face = Forms::instance().mainFace();
    if (!face) {
        return;
    }
    const MainLabels& m = face->labels();
    face->hideSoon();
    chkDesktop->setChecked(m.lblDesktop.toInt() == 1);
    chkMenu->setChecked(m.lblMenu.toInt() == 1);
    chkWindows->setChecked(m.lblWindows.toInt() == 1);
    (m.lblMinimized == QLatin1String("1") ? optMinimized1 : optMinimized0)->setChecked(true);
    (m.lblTaskbar == QLatin1String("1") ? optTaskbar : optTray)->setChecked(true);
    (m.lblMax == QLatin1String("1") ? optMax : optMini)->setChecked(true);
    TimerMensagem->start();
}

void LC_Form4_config::btnUpdate_Click() {
    MainFace* face = Forms::instance().mainFace();
    if (!face) {
        return;
    }
    QWidget* main = face->mainWindow();
    MainLabels& m = face->labels();

    OptionsChoice choice;
    choice.remakeShortcuts = chkRemake->isChecked();
    choice.shortcutsNow = {labels_.lblDesktop, labels_.lblMenu, labels_.lblWindows};
    choice.shortcutsStored = {m.lblDesktop, m.lblMenu, m.lblWindows};
    choice.startInTray = optMinimized1->isChecked();
    choice.hideToTaskbar = optTaskbar->isChecked();
    choice.startWithMainWindow = optMax->isChecked();
    choice.program = platform::programLayout().command;
    choice.icon = platform::programLayout().shortcutIcon;
    const OptionsResult r = applyOptions(choice, &LC_Mod1_BD::execute);

    m.lblDesktop = labels_.lblDesktop;
    m.lblMenu = labels_.lblMenu;
    m.lblWindows = labels_.lblWindows;
    m.lblMinimized = r.iniMinimized;
    m.lblTaskbar = r.optTaskbar;
    m.lblMax = r.optMax;

    platform::services().beep();
    if (r.failures.isEmpty()) {
        showNotice(QStringLiteral("Atualizado!"), window_metrics::leftTw(main) + 960,
                   window_metrics::topTw(main) + 765, true);
    } else {
        // Never report a failure as success: say what was not done and why.
        platform::services().message(
            this, QStringLiteral("Erro"),
            QStringLiteral("Nem tudo pôde ser atualizado:\n") + r.failures.join(QLatin1Char('\n')),
            platform::MessageIcon::Critical);
    }
    handBack();
}

void LC_Form4_config::Form_Unload() {
    handBack();
}

void LC_Form4_config::handBack() {
    MainFace* face = Forms::instance().mainFace();
    if (!face) {
        return;  // the program is ending: nothing to hand back to
    }
    QWidget* main = face->mainWindow();
    using namespace window_metrics;
    moveTw(main, leftTw(this), topTw(this) - (heightTw(main) - heightTw(this)) / 2);
    main->show();
    face->unloadSoon(QStringLiteral("LC_Form4_config"));
}

void LC_Form4_config::mousePressEvent(QMouseEvent* event) {
    drag_->begin(event->globalPosition().toPoint());
}
