#pragma once

#include <QString>

#include "platform/services.h"

namespace platform {
// The save-file dialog, modal to `parent`. The name typed is taken literally: the file written
// is the request's file name for it and the file type chosen, in the folder the dialog shows; a
// name the request refuses is told in a message and the dialog stays open. Before an existing file
// is replaced the dialog asks, naming the file that will really be written. Returns that file's
// path, or an empty text when the user cancels.
QString realChooseSaveFile(QWidget* parent, const SaveDialogRequest& request);
}  // namespace platform
