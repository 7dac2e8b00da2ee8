#pragma once

class QWidget;

namespace platform {
// Once the window manager has restored `window` from the taskbar, the window no longer asks to
// start minimised. On X11 Qt leaves the "start minimised" hint that minimising put on the window
// (WM_HINTS initial state), and the window manager maps the window minimised by it each time the
// program shows it again after a hiding.
void forgetStartMinimised(QWidget* window);
}  // namespace platform
