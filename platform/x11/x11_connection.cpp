#include "platform/x11/x11_connection.h"

#include <QtGui/qguiapplication_platform.h>

#include <QGuiApplication>

namespace platform::x11 {

xcb_connection_t* connection() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t root(xcb_connection_t* c) {
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

}  // namespace platform::x11
