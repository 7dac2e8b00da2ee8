#pragma once

#include <QImage>
#include <optional>

#include "editor/history/tiled_snapshot.h"

// What the undo history needs from the editor: the canvas picture and heights to record, and
// a way to show a recorded state again. The editor window implements it; tests use a plain
// picture.
class HistoryTarget {
public:
    virtual ~HistoryTarget() = default;

    virtual const QImage& canvasPicture() const = 0;
    // The canvas's outer height, twips.
    virtual int canvasHeightTw() const = 0;
    // The editor's target window height, twips (the number in lblMeHeight).
    virtual int windowHeightTw() const = 0;
    virtual bool maximised() const = 0;

    // Shows a recorded state: the picture replaces everything on the canvas and the canvas
    // takes the recorded height; the window takes `windowHeight` when one is given. Throws
    // std::bad_alloc when memory runs out, with the canvas left as it was.
    virtual void restoreState(const TiledSnapshot& picture, int canvasHeight,
                              std::optional<int> windowHeight) = 0;

    // The number the number tool stamps next. A step keeps it with the picture, so that an undo
    // takes a stamped number back.
    virtual int nextNumber() const { return 1; }
    virtual void setNextNumber(int) {}
};
