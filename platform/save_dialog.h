#pragma once

#include <QString>

#include "platform/services.h"

namespace platform {
// The save-file dialog, modal to `parent`, which asks before an existing file is replaced.
// Returns the chosen path, or an empty text when the user cancels.
QString realChooseSaveFile(QWidget* parent, const SaveDialogRequest& request);
}  // namespace platform
