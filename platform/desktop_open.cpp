#include "platform/desktop_open.h"

#include <QDesktopServices>

namespace platform {

bool realOpenUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

}  // namespace platform
