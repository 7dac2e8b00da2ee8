#include "platform/services.h"

#include "platform/atomic_file.h"
#include "platform/beep.h"
#include "platform/capture_session.h"
#include "platform/clipboard.h"
#include "platform/colour_dialog.h"
#include "platform/compositor.h"
#include "platform/desktop_open.h"
#include "platform/font_dialog.h"
#include "platform/message_box.h"
#include "platform/pointer_keys.h"
#include "platform/save_dialog.h"
#include "platform/screen_grab.h"
#include "platform/tray_availability.h"
#include "platform/wayland/desktop_portal.h"
#include "platform/wayland/wayland_session.h"
#include "platform/windows_gone.h"

namespace platform {

Services& services() {
    static Services s{
        .beep = &realBeep,
        .message = &realMessage,
        .keyboardModifiers = &realKeyboardModifiers,
        .cursorPos = &realCursorPos,
        .eventPixel = &sessionEventPixel,
        .openUrl = &realOpenUrl,
        .trayAvailable = &realTrayAvailable,
        .compositorActive = &realCompositorActive,
        .captureRefusal = &realCaptureRefusal,
        .grabDesktop = &realGrabDesktop,
        .capturesThroughPortal = &wayland::nativeSession,
        .takeDesktopShot = &wayland::takeDesktopShot,
        .windowsGone = &realWindowsGone,
        .putImageOnClipboard = &realPutImageOnClipboard,
        .chooseColor = &realChooseColor,
        .chooseSaveFile = &realChooseSaveFile,
        .chooseFont = &realChooseFont,
        .syncToDisk = &realSyncToDisk,
    };
    return s;
}

}  // namespace platform
