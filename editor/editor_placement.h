#pragma once

#include <optional>

// The sizes a capture gives the editor before it is shown, in twips.
struct EditorPlacement {
    int fraMainWidthTw = 0;
    int fraMainHeightTw = 0;
    int windowWidthTw = 0;  // outer size
    int windowHeightTw = 0;
    // Written to both lblMeHeight and lblMeHeightIni when given.
    std::optional<int> meHeightTw;
};
