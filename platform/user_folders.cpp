#include "platform/user_folders.h"

#include <QDir>

namespace platform {

QString configHome() {
    // The base directory specification ignores a relative value.
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (QDir::isAbsolutePath(config)) {
        return QDir::cleanPath(config);
    }
    return QDir::homePath() + QStringLiteral("/.config");
}

}  // namespace platform
