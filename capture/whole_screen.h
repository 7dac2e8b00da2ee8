#pragma once

#include <QSize>

// The whole primary screen (`screenPx` big) grabbed into the editor's canvas, also kept as the
// unedited capture. False when the screen gave no picture.
namespace whole_screen {
bool intoCanvas(QSize screenPx);
}
