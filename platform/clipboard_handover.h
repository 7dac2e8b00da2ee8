#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// As the program ends with its picture on the clipboard (`png`): a small helper process takes
// the clipboard over, hands the picture to the desktop's clipboard manager where one runs, and
// otherwise keeps serving it itself until another program takes the clipboard. Returns once
// the helper holds the clipboard; false with the reason when the picture could not be kept.
bool handOverClipboard(const QByteArray& png, QString* reason);

}  // namespace platform
