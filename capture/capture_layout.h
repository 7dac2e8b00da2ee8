#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include "editor/editor_placement.h"

// Where the capture's results go on the screen: the editor's sizes for a capture, and the place
// of the confirmation notice. All values are twips, 15 to a logical pixel.
namespace capture_layout {

// The narrowest editor window, wide enough for its toolbar.
constexpr int kMinEditorWidthTw = 4000;

// The editor for an area capture that the canvas shows w x h logical pixels big: the canvas is
// the picture plus its 2-pixel border; the starting height is kept.
EditorPlacement forArea(int widthPx, int heightPx);
// The editor for a whole-screen capture: the canvas's inner area is the whole screen (logical
// pixels); the stored heights are left as they are.
EditorPlacement forWholeScreen(QSize screenPx);

// A notice of noticeW x noticeH twips in the middle of the screen `screenPx` (logical pixels).
QPoint noticeCentred(const QRect& screenPx, int noticeWidthTw, int noticeHeightTw);
// A notice over the middle of the main window whose top-left corner is `mainTopLeftTw`.
QPoint noticeBesideMain(QPoint mainTopLeftTw);
// A notice over the compact toolbar's top-left corner.
QPoint noticeBesideToolbar(QPoint toolbarTopLeftTw);

}  // namespace capture_layout
