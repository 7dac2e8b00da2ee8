#include "platform/window_hints.h"

namespace platform {

// Built without the X11 unit: no system this build runs on keeps such a hint.
void forgetStartMinimised(QWidget*) {}

}  // namespace platform
