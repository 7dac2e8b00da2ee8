#pragma once

#include <QString>

// Shows `text` in the notice window with its top-left corner at (leftTw, topTw) twips (moved
// inside the screen it would stand on, where it reaches past its edge), above every other
// window when `topmost`, and closes it 1000 ms after the last showing. A notice
// shown while another is up reuses that window. The beep, where there is one, is the caller's.
void showNotice(const QString& text, int leftTw, int topTw, bool topmost);
