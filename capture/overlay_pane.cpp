#include "capture/overlay_pane.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

OverlayPane::OverlayPane(const platform::ScreenArea& screen, const OverlayScene& scene, Mouse mouse,
                         QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                         Qt::X11BypassWindowManagerHint),
      surface_(this, scene),
      mouse_(std::move(mouse)) {
    setObjectName(QStringLiteral("OverlayPane"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    surface_.setScreen(screen);
    setScreen(screen.screen);
    setGeometry(screen.logical);
}

void OverlayPane::paintEvent(QPaintEvent* event) {
    surface_.paint(event);
}

void OverlayPane::mousePressEvent(QMouseEvent* event) {
    mouse_.press(surface_.toDevice(event->position(), event->timestamp()));
}

void OverlayPane::mouseMoveEvent(QMouseEvent* event) {
    mouse_.move(surface_.toDevice(event->position(), event->timestamp()), event->buttons());
}

void OverlayPane::mouseReleaseEvent(QMouseEvent* event) {
    mouse_.release(surface_.toDevice(event->position(), event->timestamp()));
}

void OverlayPane::keyPressEvent(QKeyEvent* event) {
    // Escape cancels from every screen, also where the keyboard follows the focus (Wayland).
    if (QWidget* owner = parentWidget()) {
        QCoreApplication::sendEvent(owner, event);
    }
}
