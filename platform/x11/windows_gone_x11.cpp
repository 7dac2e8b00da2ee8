// When the screen no longer shows windows just hidden, told by the X server itself. Each window's
// top-level (the window manager's frame around it, or the window itself) reports its unmapping;
// the Damage extension on the root window reports every drawing on the screen after that: the
// windows below repainting what was uncovered (no compositing manager), or the compositor's next
// frame drawn without the window (with one: it draws into the root or into its overlay window, a
// child of the root). A place counts once every pixel of it was drawn after its window left, so
// a frame the compositor had under way with the window still in it cannot end the wait unless it
// covered the whole place; a redraw of only what last changed never does. The caller's maximum
// bounds it all: a window below that never repaints costs no more than the old fixed pause.
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>

#include "platform/vacated_places.h"
#include "platform/windows_gone.h"
#include "platform/x11/x11_connection.h"

namespace platform {

namespace {

template <class T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

// The first event number of the Damage extension on this connection, once it has been set up;
// nullopt where the server lacks it.
std::optional<uint8_t> damageEvents(xcb_connection_t* c) {
    static const std::optional<uint8_t> first = [c]() -> std::optional<uint8_t> {
        const xcb_query_extension_reply_t* ext = xcb_get_extension_data(c, &xcb_damage_id);
        if (!ext || !ext->present) {
            return std::nullopt;
        }
        Reply<xcb_damage_query_version_reply_t> version(
            xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), nullptr),
            &std::free);
        return version ? std::optional<uint8_t>(ext->first_event) : std::nullopt;
    }();
    return first;
}

// The child of the root that holds `w`: the window manager's frame, or `w` itself.
xcb_window_t topLevel(xcb_connection_t* c, xcb_window_t root, xcb_window_t w) {
    for (int depth = 0; depth < 16; ++depth) {
        Reply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(c, xcb_query_tree(c, w), nullptr),
                                           &std::free);
        if (!tree) {
            return XCB_NONE;
        }
        if (tree->parent == root) {
            return w;
        }
        w = tree->parent;
    }
    return XCB_NONE;
}

struct Shown {
    xcb_window_t id = XCB_NONE;
    QRect rect;  // on the root, border included
    bool viewable = false;
};

// The root's children from the bottom of the stack to the top, as they are now.
std::vector<Shown> stack(xcb_connection_t* c, xcb_window_t root) {
    Reply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(c, xcb_query_tree(c, root), nullptr),
                                       &std::free);
    std::vector<Shown> out;
    if (!tree) {
        return out;
    }
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    const int n = xcb_query_tree_children_length(tree.get());
    std::vector<xcb_get_window_attributes_cookie_t> attributes;
    std::vector<xcb_get_geometry_cookie_t> geometries;
    for (int i = 0; i < n; ++i) {
        attributes.push_back(xcb_get_window_attributes(c, children[i]));
        geometries.push_back(xcb_get_geometry(c, children[i]));
    }
    for (int i = 0; i < n; ++i) {
        Reply<xcb_get_window_attributes_reply_t> a(
            xcb_get_window_attributes_reply(c, attributes[i], nullptr), &std::free);
        Reply<xcb_get_geometry_reply_t> g(xcb_get_geometry_reply(c, geometries[i], nullptr),
                                          &std::free);
        Shown s{children[i], {}, false};
        if (a && g) {
            const int b = g->border_width;
            s.rect = QRect(g->x, g->y, g->width + 2 * b, g->height + 2 * b);
            s.viewable = a->map_state == XCB_MAP_STATE_VIEWABLE &&
                         a->_class == XCB_WINDOW_CLASS_INPUT_OUTPUT;
        }
        out.push_back(s);
    }
    return out;
}

// Follows the unmapping of the leaving top-levels and the drawing on the root until every place
// is vacated; then calls `done` through the event loop, on `context` (its parent).
class GoneWatch : public QObject, public QAbstractNativeEventFilter {
public:
    GoneWatch(QObject* context, xcb_connection_t* c, uint8_t damageEvent,
              std::function<void()> done)
        : QObject(context), c_(c), damageEvent_(damageEvent), done_(std::move(done)) {}

    ~GoneWatch() override {
        QCoreApplication* app = QCoreApplication::instance();
        if (!app) {
            return;  // the connection went with the application
        }
        app->removeNativeEventFilter(this);
        if (damage_ != XCB_NONE) {
            xcb_damage_destroy(c_, damage_);
        }
        // Frames are the window manager's: stop hearing of them (they may be gone already).
        const uint32_t none = XCB_EVENT_MASK_NO_EVENT;
        for (xcb_window_t frame : watchedFrames_) {
            const auto cookie =
                xcb_change_window_attributes_checked(c_, frame, XCB_CW_EVENT_MASK, &none);
            xcb_discard_reply(c_, cookie.sequence);
        }
        xcb_flush(c_);
    }

    // Watches the place of the top-level `id` (a frame of the window manager when `foreign`).
    void watch(xcb_window_t id, const QRegion& place, bool foreign) {
        places_.add(id, place);
        if (foreign) {
            const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
            xcb_change_window_attributes(c_, id, XCB_CW_EVENT_MASK, &mask);
            watchedFrames_.push_back(id);
        }
    }

    void start(xcb_window_t root, int maxMs, const std::function<void()>& leave) {
        QCoreApplication::instance()->installNativeEventFilter(this);
        damage_ = xcb_generate_id(c_);
        xcb_damage_create(c_, damage_, root, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
        leave();
        xcb_flush(c_);
        QTimer::singleShot(maxMs, this, [this] { finish(); });
        if (places_.done()) {
            finish();
        }
    }

    bool nativeEventFilter(const QByteArray&, void* message, qintptr*) override {
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        const uint8_t type = event->response_type & 0x7f;
        const bool synthetic = event->response_type & 0x80;
        if (type == XCB_UNMAP_NOTIFY && !synthetic) {
            places_.left(reinterpret_cast<const xcb_unmap_notify_event_t*>(event)->window);
        } else if (type == damageEvent_ + XCB_DAMAGE_NOTIFY) {
            const auto* d = reinterpret_cast<const xcb_damage_notify_event_t*>(event);
            if (d->damage == damage_) {
                places_.drawn(QRect(d->area.x, d->area.y, d->area.width, d->area.height));
            }
        } else {
            return false;
        }
        if (places_.done()) {
            finish();
        }
        return false;  // Qt handles its own windows' events as always
    }

private:
    void finish() {
        if (finished_) {
            return;
        }
        finished_ = true;
        QMetaObject::invokeMethod(parent(), std::move(done_), Qt::QueuedConnection);
        deleteLater();
    }

    xcb_connection_t* c_;
    uint8_t damageEvent_;
    std::function<void()> done_;
    xcb_damage_damage_t damage_ = XCB_NONE;
    std::vector<xcb_window_t> watchedFrames_;
    VacatedPlaces places_;
    bool finished_ = false;
};

}  // namespace

void realWindowsGone(QObject* context, const QList<QWidget*>& windows, int maxMs,
                     const std::function<void()>& leave, std::function<void()> done) {
    xcb_connection_t* c = x11::connection();
    const std::optional<uint8_t> damage = c ? damageEvents(c) : std::nullopt;
    if (!damage) {
        waitWindowsGone(context, maxMs, leave, std::move(done));
        return;
    }
    const xcb_window_t root = x11::root(c);
    std::vector<std::pair<xcb_window_t, xcb_window_t>> leaving;  // top-level, own window
    for (QWidget* w : windows) {
        if (w && w->isVisible() && w->internalWinId()) {
            const auto own = static_cast<xcb_window_t>(w->internalWinId());
            const xcb_window_t top = topLevel(c, root, own);
            if (top != XCB_NONE) {
                leaving.emplace_back(top, own);
            }
        }
    }
    // Owned by the context; deletes itself once done.
    auto* watch = new GoneWatch(context, c, *damage, std::move(done));
    const std::vector<Shown> shown = stack(c, root);
    Reply<xcb_get_geometry_reply_t> rootGeometry(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, root), nullptr), &std::free);
    const QRect screen =
        rootGeometry ? QRect(0, 0, rootGeometry->width, rootGeometry->height) : QRect();
    for (size_t i = 0; i < shown.size(); ++i) {
        for (const auto& [top, own] : leaving) {
            if (shown[i].id != top || !shown[i].viewable) {
                continue;
            }
            // What the window shows: its rectangle less every window above it.
            QRegion place = QRegion(shown[i].rect.intersected(screen));
            for (size_t j = i + 1; j < shown.size(); ++j) {
                if (shown[j].viewable) {
                    place -= shown[j].rect;
                }
            }
            watch->watch(top, place, top != own);
        }
    }
    watch->start(root, maxMs, leave);
}

}  // namespace platform
