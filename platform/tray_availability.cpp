#include "platform/tray_availability.h"

#include <QSystemTrayIcon>

namespace platform {

bool realTrayAvailable() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

}  // namespace platform
