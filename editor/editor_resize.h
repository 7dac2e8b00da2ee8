#pragma once

#include <optional>

// Where the editor's frames go when the window changes size (Form_Resize), all in twips.
// Positions are fractional like the form's own; they are rounded at the widgets.
struct EditorResizeInput {
    int windowW = 0;  // outer size
    int windowH = 0;
    int canvasW = 0;  // PicDrawBox outer size
    int canvasH = 0;
    int fraMainW = 0;  // current size of fraMain
    int fraMainH = 0;
    int fraPictureW = 0;
};

struct EditorResizeLayout {
    double fraMainLeft = 0;
    double fraMainTop = 0;
    int fraMainW = 0;
    int fraMainH = 0;
    double fraPictureLeft = 0;
    double canvasLeft = 0;
    double fraTextLeft = 0;
    double fraIconsLeft = 0;
    std::optional<double> viewportLeft;  // set only when the window is too narrow
    bool layoutCanvas = false;           // tall enough for LayoutCanvas
};

constexpr int kMinFrameWidthTw = 4000;

EditorResizeLayout resizeEditor(const EditorResizeInput& in);
