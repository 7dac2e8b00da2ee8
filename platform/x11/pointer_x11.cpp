// The pointer in device pixels as the X server reports it. Qt rounds pointer positions to
// logical pixels, which at a density above 1 loses the pixel the pointer is on; the server's
// own figures are noted from each mouse event as Qt reads it, and the pointer is asked for
// when an event was not noted.
#include <xcb/xinput.h>

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QWidget>
#include <array>
#include <cstdlib>
#include <memory>

#include "platform/pointer_keys.h"
#include "platform/x11/x11_connection.h"

namespace platform {

namespace {

using PointerReply = std::unique_ptr<xcb_query_pointer_reply_t, decltype(&std::free)>;

PointerReply queryPointer(xcb_connection_t* c, xcb_window_t window) {
    return {xcb_query_pointer_reply(c, xcb_query_pointer(c, window), nullptr), &std::free};
}

struct NotedEvent {
    xcb_timestamp_t time = 0;
    xcb_window_t window = XCB_NONE;
    QPoint at;  // device pixels from the window's corner
};

// The last mouse events (button presses, releases and motion) Qt has read from the server.
class PointerLog : public QAbstractNativeEventFilter {
public:
    explicit PointerLog(xcb_connection_t* c) {
        const xcb_query_extension_reply_t* xi = xcb_get_extension_data(c, &xcb_input_id);
        xiOpcode_ = xi && xi->present ? xi->major_opcode : -1;
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type == "xcb_generic_event_t") {
            note(static_cast<const xcb_generic_event_t*>(message));
        }
        return false;
    }

    std::optional<QPoint> find(xcb_window_t window, xcb_timestamp_t time, QPoint estimate,
                               int slack) const {
        for (size_t n = 0; n < events_.size(); ++n) {
            const NotedEvent& e = events_[(next_ + events_.size() - 1 - n) % events_.size()];
            if (e.window == window && e.time == time &&
                std::abs(e.at.x() - estimate.x()) <= slack &&
                std::abs(e.at.y() - estimate.y()) <= slack) {
                return e.at;
            }
        }
        return std::nullopt;
    }

private:
    void note(const xcb_generic_event_t* event) {
        const uint8_t kind = event->response_type & 0x7f;
        if (kind == XCB_GE_GENERIC) {
            const auto* ge = reinterpret_cast<const xcb_ge_generic_event_t*>(event);
            if (ge->extension != xiOpcode_ || (ge->event_type != XCB_INPUT_BUTTON_PRESS &&
                                               ge->event_type != XCB_INPUT_BUTTON_RELEASE &&
                                               ge->event_type != XCB_INPUT_MOTION)) {
                return;
            }
            // Presses, releases and motion share one layout.
            const auto* e = reinterpret_cast<const xcb_input_button_press_event_t*>(event);
            add({e->time, e->event, QPoint(e->event_x >> 16, e->event_y >> 16)});
        } else if (kind == XCB_BUTTON_PRESS || kind == XCB_BUTTON_RELEASE ||
                   kind == XCB_MOTION_NOTIFY) {
            const auto* e = reinterpret_cast<const xcb_button_press_event_t*>(event);
            add({e->time, e->event, QPoint(e->event_x, e->event_y)});
        }
    }

    void add(const NotedEvent& e) {
        events_[next_] = e;
        next_ = (next_ + 1) % events_.size();
    }

    int xiOpcode_ = -1;
    std::array<NotedEvent, 64> events_{};
    size_t next_ = 0;
};

// Lives to the end of the program; a filter takes itself off the application when it goes.
std::unique_ptr<PointerLog> pointerLog;

}  // namespace

void watchPointer() {
    xcb_connection_t* c = x11::connection();
    if (c && !pointerLog) {
        pointerLog = std::make_unique<PointerLog>(c);
        QCoreApplication::instance()->installNativeEventFilter(pointerLog.get());
    }
}

QPoint realCursorPos() {
    xcb_connection_t* c = x11::connection();
    const PointerReply p = c ? queryPointer(c, x11::root(c)) : PointerReply(nullptr, &std::free);
    return p ? QPoint(p->root_x, p->root_y) : qtCursorPos();
}

std::optional<QPoint> realEventPixel(const QWidget* window, quint64 timestamp, QPoint estimate,
                                     int slack) {
    xcb_connection_t* c = x11::connection();
    if (!c || !window || !window->isWindow() || !window->internalWinId()) {
        return std::nullopt;
    }
    const auto id = static_cast<xcb_window_t>(window->internalWinId());
    if (pointerLog) {
        if (auto noted =
                pointerLog->find(id, static_cast<xcb_timestamp_t>(timestamp), estimate, slack)) {
            return noted;
        }
    }
    // Not noted: where the pointer is now, if it has not moved on since.
    const PointerReply p = queryPointer(c, id);
    if (!p || !p->same_screen || std::abs(p->win_x - estimate.x()) > slack ||
        std::abs(p->win_y - estimate.y()) > slack) {
        return std::nullopt;
    }
    return QPoint(p->win_x, p->win_y);
}

}  // namespace platform
