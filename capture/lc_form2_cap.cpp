#include "capture/lc_form2_cap.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

#include "capture/area_grab.h"
#include "capture/frozen_overlay.h"
#include "capture/overlay_look.h"
#include "capture/overlay_pane.h"
#include "capture/selection_geometry.h"
#include "platform/services.h"
#include "ui/forms.h"
#include "ui/lc_mod3_transparencia.h"
#include "ui/main_face.h"
#include "ui/units.h"

namespace {

MainFace* mainFace() {
    return Forms::instance().mainFace();
}

QString twipsText(int pixels) {
    return QString::number(units::tw(pixels));
}

}  // namespace

LC_Form2_cap::LC_Form2_cap() : LcForm("LC_Form2_cap"), surface_(this, scene_) {
    // Kept out of the window manager's hands: it must cover every panel of the desktop, exactly.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                   Qt::X11BypassWindowManagerHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);

    TimerMensagem = new QTimer(this);
    TimerMensagem->setObjectName(QStringLiteral("TimerMensagem"));
    TimerMensagem->setInterval(2500);
    connect(TimerMensagem, &QTimer::timeout, this, &LC_Form2_cap::TimerMensagem_Timer);
}

void LC_Form2_cap::Form_Load() {
    screens_ = platform::screenAreas();
    if (!screens_.isEmpty()) {
        const platform::ScreenArea& primary = screens_.first();
        surface_.setScreen(primary);
        setScreen(primary.screen);
        setGeometry(primary.logical);
    }
    const OverlayPane::Mouse mouse{
        [this](QPoint p) { press(p); },
        [this](QPoint p, Qt::MouseButtons b) { move(p, b); },
        [this](QPoint p) { release(p); },
    };
    for (qsizetype i = 1; i < screens_.size(); ++i) {
        panes_.push_back(new OverlayPane(screens_[i], scene_, mouse, this));  // owned by this
    }
    setCursor(Qt::CrossCursor);
    if (MainFace* face = mainFace()) {
        setWindowIcon(face->mainWindow()->windowIcon());
    }
    TimerMensagem->start();
}

QRect LC_Form2_cap::desktop() const {
    return area_grab::bounds(platform::deviceRects(screens_));
}

LC_Form2_cap::Mode LC_Form2_cap::mode() const {
    const MainFace* face = mainFace();
    if (!face) {
        return Mode::None;
    }
    switch (face->captureMode()) {
        case MainFace::CaptureMode::Selection:
            return Mode::Selection;
        case MainFace::CaptureMode::FixedArea:
            return Mode::FixedArea;
        case MainFace::CaptureMode::WholeScreen:
            break;
    }
    return Mode::None;
}

void LC_Form2_cap::showOverlay(const QImage& still) {
    scene_.still = still;
    scene_.origin = desktop().topLeft();
    scene_.stillDarkened =
        still.isNull() ? QImage()
                       : overlay_look::darkened(
                             still, LC_Mod3_Transparencia::alphaFor(overlay_look::kOpacityPercent));
    // Where windows cannot place themselves (Wayland), each asks to be full screen on its own.
    const bool fullScreen = frozen_overlay::used();
    for (OverlayPane* pane : panes_) {
        if (fullScreen) {
            pane->showFullScreen();  // over a still picture, which it tints itself
        } else {
            LC_Mod3_Transparencia::SetTransparency(pane, overlay_look::kOpacityPercent, true);
            pane->show();
        }
        pane->raise();
    }
    fullScreen ? showFullScreen() : show();
    raise();
    activateWindow();
    // The window manager gives no focus to a window it does not manage; Escape must still work.
    grabKeyboard();
    if (mode() == Mode::FixedArea) {
        // In view at once, so that a release without a move takes it too.
        DrawFixedArea(platform::services().cursorPos());
    }
}

void LC_Form2_cap::paintEvent(QPaintEvent* event) {
    surface_.paint(event);
}

void LC_Form2_cap::setFrame(std::optional<QRect> frame) {
    const std::optional<QRect> before = scene_.frame;
    scene_.frame = frame;
    surface_.frameChanged(before, frame);
    for (OverlayPane* pane : panes_) {
        pane->surface().frameChanged(before, frame);
    }
}

void LC_Form2_cap::DrawSelection(QPoint pointer) {
    setFrame(selection_geometry::frameRect(startPx_, pointer));
}

void LC_Form2_cap::DrawFixedArea(QPoint pointer) {
    const MainFace* face = mainFace();
    if (!face || screens_.isEmpty()) {
        return;
    }
    // Held inside the screen under the pointer (or the nearest, between monitors).
    const auto r =
        selection_geometry::fixedArea(pointer, selection_geometry::boxValue(face->fixedWidthText()),
                                      selection_geometry::boxValue(face->fixedHeightText()),
                                      platform::screenAtDevice(screens_, pointer).device);
    setFrame(selection_geometry::frameRect(QPoint(units::px(r.left), units::px(r.top)),
                                           QPoint(units::px(r.right), units::px(r.bottom))));
    corners_.lblIniX = QString::number(r.left);
    corners_.lblIniY = QString::number(r.top);
    corners_.lblFimX = QString::number(r.right);
    corners_.lblFimY = QString::number(r.bottom);
}

void LC_Form2_cap::mousePressEvent(QMouseEvent* event) {
    press(surface_.toDevice(event->position(), event->timestamp()));
}

void LC_Form2_cap::mouseMoveEvent(QMouseEvent* event) {
    move(surface_.toDevice(event->position(), event->timestamp()), event->buttons());
}

void LC_Form2_cap::mouseReleaseEvent(QMouseEvent* event) {
    release(surface_.toDevice(event->position(), event->timestamp()));
}

void LC_Form2_cap::press(QPoint pointer) {
    if (finishing_) {
        return;
    }
    drawing_ = true;
    startPx_ = pointer;
    corners_.lblX1 = twipsText(pointer.x());
    corners_.lblY1 = twipsText(pointer.y());
    if (mode() == Mode::FixedArea) {
        DrawFixedArea(pointer);
    }
}

void LC_Form2_cap::move(QPoint pointer, Qt::MouseButtons) {
    if (finishing_) {
        return;
    }
    switch (mode()) {
        case Mode::Selection:
            if (drawing_) {
                DrawSelection(pointer);
            }
            break;
        case Mode::FixedArea:
            DrawFixedArea(pointer);
            break;
        case Mode::None:
            break;
    }
}

void LC_Form2_cap::release(QPoint pointer) {
    if (finishing_ || !drawing_) {
        return;
    }
    drawing_ = false;
    if (mode() == Mode::Selection) {
        corners_.lblX2 = twipsText(pointer.x());
        corners_.lblY2 = twipsText(pointer.y());
    }
    CopyArea();
}

void LC_Form2_cap::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && !finishing_) {
        finishing_ = true;
        cancel();
        return;
    }
    LcForm::keyPressEvent(event);
}

void LC_Form2_cap::TimerMensagem_Timer() {
    // Keeps the main window's notice label empty while the overlay is up.
    if (MainFace* face = mainFace()) {
        face->endMessage();
    }
}
