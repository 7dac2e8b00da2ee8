// Device pixels of each screen from the RandR monitors, which Qt's screens are made from: Qt
// keeps a screen's top-left corner in device pixels and rounds only its logical size.
#include <xcb/randr.h>

#include <QScreen>
#include <cstdlib>
#include <memory>

#include "platform/screens.h"
#include "platform/x11/x11_connection.h"

namespace platform {

QRect realDeviceGeometry(const QScreen* screen) {
    xcb_connection_t* c = x11::connection();
    const xcb_query_extension_reply_t* randr =
        c ? xcb_get_extension_data(c, &xcb_randr_id) : nullptr;
    if (!randr || !randr->present) {
        return estimatedDeviceGeometry(screen);
    }
    const auto cookie = xcb_randr_get_monitors(c, x11::root(c), 1);
    std::unique_ptr<xcb_randr_get_monitors_reply_t, decltype(&std::free)> reply(
        xcb_randr_get_monitors_reply(c, cookie, nullptr), &std::free);
    if (reply) {
        const QPoint corner = screen->geometry().topLeft();
        auto it = xcb_randr_get_monitors_monitors_iterator(reply.get());
        for (; it.rem; xcb_randr_monitor_info_next(&it)) {
            const xcb_randr_monitor_info_t* m = it.data;
            if (QPoint(m->x, m->y) == corner) {
                return {m->x, m->y, m->width, m->height};
            }
        }
    }
    return estimatedDeviceGeometry(screen);
}

}  // namespace platform
