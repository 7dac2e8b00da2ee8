#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>
#include <memory>

#include "platform/window_hints.h"

namespace platform {

namespace {
// WM_HINTS as ICCCM lays it out: 32-bit fields, the flags first and the initial state third.
constexpr uint32_t kStateHint = 1u << 1;
constexpr uint32_t kNormalState = 1;
constexpr uint32_t kIconicState = 3;
constexpr int kFlags = 0;
constexpr int kInitialState = 2;
constexpr uint32_t kFields = 9;
}  // namespace

void forgetStartMinimised(QWidget* window) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !window->windowHandle()) {
        return;
    }
    xcb_connection_t* c = x11->connection();
    const auto id = static_cast<xcb_window_t>(window->winId());
    const auto cookie =
        xcb_get_property(c, 0, id, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, 0, kFields);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(c, cookie, nullptr), &std::free);
    if (!reply || reply->format != 32 ||
        xcb_get_property_value_length(reply.get()) < static_cast<int>(kFields * sizeof(uint32_t))) {
        return;
    }
    uint32_t hints[kFields];
    std::copy_n(static_cast<const uint32_t*>(xcb_get_property_value(reply.get())), kFields, hints);
    if (!(hints[kFlags] & kStateHint) || hints[kInitialState] != kIconicState) {
        return;
    }
    hints[kInitialState] = kNormalState;
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, 32,
                        kFields, hints);
    xcb_flush(c);
}

}  // namespace platform
