#include "platform/wayland/precise_pointer.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>
#include <array>
#include <cmath>
#include <memory>

#include "platform/wayland/wayland_session.h"

namespace platform::wayland {

namespace {

struct Noted {
    const QWindow* window = nullptr;
    quint64 time = 0;
    QPointF at;
};

// The last mouse events on the program's windows, as the windows (not yet their widgets) got
// them.
class PointerLog : public QObject {
public:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseMove:
                if (const auto* window = qobject_cast<const QWindow*>(receiver)) {
                    const auto* e = static_cast<const QMouseEvent*>(event);
                    events_[next_] = {window, e->timestamp(), e->position()};
                    next_ = (next_ + 1) % events_.size();
                }
                break;
            default:
                break;
        }
        return false;
    }

    std::optional<QPointF> find(const QWindow* window, quint64 time, QPointF rounded) const {
        for (size_t n = 0; n < events_.size(); ++n) {
            const Noted& e = events_[(next_ + events_.size() - 1 - n) % events_.size()];
            if (e.window == window && e.time == time && std::abs(e.at.x() - rounded.x()) <= 1 &&
                std::abs(e.at.y() - rounded.y()) <= 1) {
                return e.at;
            }
        }
        return std::nullopt;
    }

private:
    std::array<Noted, 64> events_{};
    size_t next_ = 0;
};

// Lives to the end of the program; a filter takes itself off the application when it goes.
std::unique_ptr<PointerLog> pointerLog;

}  // namespace

void watchPointer() {
    if (nativeSession() && !pointerLog) {
        pointerLog = std::make_unique<PointerLog>();
        QCoreApplication::instance()->installEventFilter(pointerLog.get());
    }
}

std::optional<QPointF> eventPosition(const QWidget* window, quint64 timestamp, QPointF rounded) {
    if (!pointerLog || !window || !window->windowHandle()) {
        return std::nullopt;
    }
    return pointerLog->find(window->windowHandle(), timestamp, rounded);
}

std::optional<QPoint> eventPixel(const QWidget* window, quint64 timestamp, QPoint estimate,
                                 int slack) {
    if (!window || !window->windowHandle()) {
        return std::nullopt;
    }
    const qreal scale = window->windowHandle()->devicePixelRatio();
    const auto at = eventPosition(window, timestamp, QPointF(estimate) / scale);
    if (!at) {
        return std::nullopt;
    }
    // The device pixel that holds the position.
    const QPoint pixel(static_cast<int>(std::floor(at->x() * scale + 1e-6)),
                       static_cast<int>(std::floor(at->y() * scale + 1e-6)));
    if (std::abs(pixel.x() - estimate.x()) > slack || std::abs(pixel.y() - estimate.y()) > slack) {
        return std::nullopt;
    }
    return pixel;
}

}  // namespace platform::wayland
