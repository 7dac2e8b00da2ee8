#include "editor/editor_resize.h"

#include <algorithm>

EditorResizeLayout resizeEditor(const EditorResizeInput& in) {
    EditorResizeLayout out;
    const double W = in.windowW;
    const double H = in.windowH;

    // A canvas taller than the window puts the frame at the top; otherwise it is centred.
    out.fraMainTop = (in.canvasH + 1065 > in.windowH) ? 0.0 : (H - in.fraMainH) / 2;

    if (W - 180 < in.fraMainW) {
        // Too narrow for the frame.
        out.fraMainLeft = 0;
        out.fraPictureLeft = (W - in.fraPictureW) / 2 - 120;
        out.canvasLeft = (W - in.canvasW) / 2 - 120;
        out.viewportLeft = 0.0;
    } else {
        out.fraMainLeft = (W - in.fraMainW) / 2 - 120;
        out.fraPictureLeft = (in.fraMainW - in.fraPictureW) / 2.0;
        out.canvasLeft = (in.fraMainW - in.canvasW) / 2.0;
    }
    out.fraTextLeft = out.fraPictureLeft + 280;
    out.fraIconsLeft = out.fraPictureLeft;

    out.fraMainW = std::max(in.canvasW, kMinFrameWidthTw);
    out.fraMainH = in.canvasH + 1300;
    out.fraMainTop = std::max(out.fraMainTop, 0.0);
    out.layoutCanvas = in.windowH > 1950;
    return out;
}
