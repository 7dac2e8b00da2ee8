#pragma once

#include <QSize>
#include <QString>

#include "platform/screens.h"

// How a capture ends for the user, whichever mode made it.
namespace capture_outcome {

enum class Kind { WholeScreen, Area };

// Asked before a capture starts: when this session does not let the program read the screen,
// a message says so, the face in use stays, and the answer is true: nothing is to be captured.
bool refusedBySession();

// The capture is in the editor's canvas: the one place that decides, by the capture's order
// (the main window's "Editar" or "Copiar", or what a command asked for), whether it opens in the
// editor, goes to the clipboard, or is left to the main face to save. `size` is the capture's
// size in device pixels; `screen` the screen it belongs to, where the editor or the notice shows.
void deliver(Kind kind, QSize size, const platform::ScreenArea& screen);

// Nothing was captured (no area marked, or cancelled): the face in use comes back with the
// focus, and it alone.
void nothingCaptured();

// The screen could not be read: the face in use comes back and a message says why.
void failed(const QString& reason);

// The copy action: the canvas picture goes on the clipboard at once, then a beep and a notice
// confirm it where the user is looking ("Tela copiada!" or "Área copiada!"). When the clipboard
// refuses the picture, a message says so and the program stays in view.
void sendToClipboard(Kind kind, const platform::ScreenArea& screen);

}  // namespace capture_outcome
