#include "capture/lc_form2_cap.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <cmath>

#include "capture/overlay_look.h"
#include "capture/selection_geometry.h"
#include "platform/services.h"
#include "ui/forms.h"
#include "ui/lc_mod3_transparencia.h"
#include "ui/main_face.h"
#include "ui/units.h"

namespace {

constexpr int kOpacityPercent = 30;

MainFace* mainFace() {
    return Forms::instance().mainFace();
}

// The one-pixel lines that outline `frame` as the painter draws it.
QRegion outline(const QRect& f) {
    QRegion r;
    r += QRect(f.left(), f.top(), f.width() + 1, 1);
    r += QRect(f.left(), f.top() + f.height(), f.width() + 1, 1);
    r += QRect(f.left(), f.top(), 1, f.height() + 1);
    r += QRect(f.left() + f.width(), f.top(), 1, f.height() + 1);
    return r;
}

int twips(qreal pixels) {
    return static_cast<int>(std::lrint(pixels * units::kTwipsPerPixel));
}

}  // namespace

LC_Form2_cap::LC_Form2_cap() : LcForm("LC_Form2_cap") {
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
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        setGeometry(screen->geometry());
    }
    setCursor(Qt::CrossCursor);
    if (MainFace* face = mainFace()) {
        setWindowIcon(face->mainWindow()->windowIcon());
    }
    TimerMensagem->start();
}

QSize LC_Form2_cap::screenSize() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : size();
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
    still_ = still;
    stillDarkened_ = still.isNull() ? QImage()
                                    : overlay_look::darkened(
                                          still, LC_Mod3_Transparencia::alphaFor(kOpacityPercent));
    show();
    raise();
    activateWindow();
    // The window manager gives no focus to a window it does not manage; Escape must still work.
    grabKeyboard();
    if (mode() == Mode::FixedArea) {
        DrawFixedArea();  // in view at once, so that a release without a move takes it too
    }
}

void LC_Form2_cap::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect dirty = event->rect();
    if (stillDarkened_.isNull()) {
        p.fillRect(dirty, Qt::black);
    } else {
        p.drawImage(dirty.topLeft(), stillDarkened_, dirty);
    }
    if (!frame_) {
        return;
    }
    if (still_.isNull()) {
        p.setPen(QPen(Qt::white, 0));
        p.drawRect(*frame_);
        return;
    }
    // Over a still picture the white frame is blended by hand, as a compositor would.
    const int alpha = LC_Mod3_Transparencia::alphaFor(kOpacityPercent);
    for (const QRect& line : outline(*frame_)) {
        QImage part = still_.copy(line).convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < part.height(); ++y) {
            auto* px = reinterpret_cast<QRgb*>(part.scanLine(y));
            for (int x = 0; x < part.width(); ++x) {
                px[x] = overlay_look::underWhite(px[x], alpha);
            }
        }
        p.drawImage(line.topLeft(), part);
    }
}

void LC_Form2_cap::setFrame(std::optional<QRect> frame) {
    QRegion dirty;
    if (frame_) {
        dirty += outline(*frame_);
    }
    if (frame) {
        dirty += outline(*frame);
    }
    frame_ = frame;
    update(dirty);
}

void LC_Form2_cap::DrawSelection(QPointF pointer) {
    setFrame(selection_geometry::frameRect(startPx_, pointer.toPoint()));
}

void LC_Form2_cap::DrawFixedArea() {
    const MainFace* face = mainFace();
    if (!face) {
        return;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QPoint origin = screen ? screen->geometry().topLeft() : QPoint();
    const auto r = selection_geometry::fixedArea(
        platform::services().cursorPos() - origin,
        selection_geometry::boxValue(face->fixedWidthText()),
        selection_geometry::boxValue(face->fixedHeightText()), screenSize());
    setFrame(selection_geometry::frameRect(QPoint(units::px(r.left), units::px(r.top)),
                                           QPoint(units::px(r.right), units::px(r.bottom))));
    corners_.lblIniX = QString::number(r.left);
    corners_.lblIniY = QString::number(r.top);
    corners_.lblFimX = QString::number(r.right);
    corners_.lblFimY = QString::number(r.bottom);
}

void LC_Form2_cap::mousePressEvent(QMouseEvent* event) {
    if (finishing_) {
        return;
    }
    drawing_ = true;
    startPx_ = event->position().toPoint();
    corners_.lblX1 = QString::number(twips(event->position().x()));
    corners_.lblY1 = QString::number(twips(event->position().y()));
    if (mode() == Mode::FixedArea) {
        DrawFixedArea();
    }
}

void LC_Form2_cap::mouseMoveEvent(QMouseEvent* event) {
    if (finishing_) {
        return;
    }
    switch (mode()) {
        case Mode::Selection:
            if (drawing_) {
                DrawSelection(event->position());
            }
            break;
        case Mode::FixedArea:
            DrawFixedArea();
            break;
        case Mode::None:
            break;
    }
}

void LC_Form2_cap::mouseReleaseEvent(QMouseEvent* event) {
    if (finishing_ || !drawing_) {
        return;
    }
    drawing_ = false;
    if (mode() == Mode::Selection) {
        corners_.lblX2 = QString::number(twips(event->position().x()));
        corners_.lblY2 = QString::number(twips(event->position().y()));
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
