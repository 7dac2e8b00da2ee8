#include "platform/user_folders.h"

#include <QDir>

namespace platform {

QString configHome() {
    // A relative XDG_CONFIG_HOME counts as unset, as the freedesktop folder rules have it.
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (QDir::isAbsolutePath(config)) {
        return QDir::cleanPath(config);
    }
    return QDir::homePath() + QStringLiteral("/.config");
}

}  // namespace platform
