#pragma once

#include <QPoint>
#include <QSize>
#include <optional>

// Where the capture's results go on the screen: the editor's sizes for a capture, and the place
// of the confirmation notice. All values are twips, 15 to a pixel.
namespace capture_layout {

// The editor's frame and window sizes for a capture; meHeightTw is the starting height that
// the editor keeps (not set by a whole-screen capture).
struct EditorSizes {
    int fraMainWidthTw = 0;
    int fraMainHeightTw = 0;
    int windowWidthTw = 0;
    int windowHeightTw = 0;
    std::optional<int> meHeightTw;
    bool operator==(const EditorSizes&) const = default;
};

// The narrowest editor window, wide enough for its toolbar.
constexpr int kMinEditorWidthTw = 4000;

// An area capture of w x h pixels: the canvas is the picture plus its 2-pixel border.
EditorSizes forArea(int widthPx, int heightPx);
// A whole-screen capture: the canvas's inner area is the whole screen.
EditorSizes forWholeScreen(QSize screenPx);

// A notice of noticeW x noticeH twips in the middle of the screen.
QPoint noticeCentred(QSize screenPx, int noticeWidthTw, int noticeHeightTw);
// A notice over the middle of the main window whose top-left corner is `mainTopLeftTw`.
QPoint noticeBesideMain(QPoint mainTopLeftTw);
// A notice over the compact toolbar's top-left corner.
QPoint noticeBesideToolbar(QPoint toolbarTopLeftTw);

}  // namespace capture_layout
