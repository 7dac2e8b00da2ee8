#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "platform/compositor.h"
#include "platform/x11/x11_connection.h"

namespace platform {

bool realCompositorActive() {
    xcb_connection_t* c = x11::connection();
    if (!c) {
        // Not on X11 (Wayland, Windows): the system composes every window itself.
        return true;
    }
    const std::string name = "_NET_WM_CM_S0";
    const auto atomCookie = xcb_intern_atom(c, 0, static_cast<uint16_t>(name.size()), name.c_str());
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(c, atomCookie, nullptr), &std::free);
    if (!atom) {
        return false;
    }
    const auto ownerCookie = xcb_get_selection_owner(c, atom->atom);
    std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> owner(
        xcb_get_selection_owner_reply(c, ownerCookie, nullptr), &std::free);
    return owner && owner->owner != XCB_NONE;
}

}  // namespace platform
