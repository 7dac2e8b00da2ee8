#pragma once

#include <QString>

namespace platform {

// The user's configuration folder: $XDG_CONFIG_HOME when it is an absolute path, else
// ~/.config (no trailing separator).
QString configHome();

}  // namespace platform
