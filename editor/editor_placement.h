#pragma once

#include <QRect>
#include <optional>

class QScreen;

// The sizes a capture gives the editor before it is shown, in twips.
struct EditorPlacement {
    int fraMainWidthTw = 0;
    int fraMainHeightTw = 0;
    int windowWidthTw = 0;  // outer size
    int windowHeightTw = 0;
    // Written to both lblMeHeight and lblMeHeightIni when given.
    std::optional<int> meHeightTw;
};

// The screen a capture belongs to, where the editor opens: centred on the part of it free of
// panels (logical pixels) and no larger than that part.
struct EditorScreen {
    QScreen* screen = nullptr;
    QRect area;
};
