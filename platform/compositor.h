#pragma once

namespace platform {
// True when a compositing manager owns the selection _NET_WM_CM_S<screen> on X11.
bool realCompositorActive();
}  // namespace platform
