#include "capture/capture_layout.h"

#include <cmath>

#include "ui/units.h"

namespace capture_layout {

namespace {
constexpr int kCanvasBorderTw = 60;  // 2 pixels on each side
}

EditorPlacement forArea(int widthPx, int heightPx) {
    const int drawBoxWidth = units::tw(widthPx) + kCanvasBorderTw;
    const int drawBoxHeight = units::tw(heightPx) + kCanvasBorderTw;
    EditorPlacement s;
    s.fraMainWidthTw = drawBoxWidth + 100;
    s.fraMainHeightTw = drawBoxHeight + 2530;
    s.windowWidthTw = units::tw(widthPx) + 760;
    s.windowHeightTw = units::tw(heightPx) + 1300;
    s.meHeightTw = s.windowHeightTw;
    if (drawBoxWidth + 190 < kMinEditorWidthTw) {
        s.windowWidthTw = kMinEditorWidthTw;
    }
    if (s.windowWidthTw < kMinEditorWidthTw) {
        s.windowWidthTw = kMinEditorWidthTw;
        s.fraMainWidthTw = kMinEditorWidthTw;
    }
    return s;
}

EditorPlacement forWholeScreen(QSize screenPx) {
    const int w = units::tw(screenPx.width());
    const int h = units::tw(screenPx.height());
    EditorPlacement s;
    s.fraMainWidthTw = w + kCanvasBorderTw + 190;
    s.fraMainHeightTw = h + kCanvasBorderTw + 2500;
    s.windowWidthTw = w + 800;
    s.windowHeightTw = h + 1700;
    return s;
}

QPoint noticeCentred(const QRect& screenPx, int noticeWidthTw, int noticeHeightTw) {
    return {units::tw(screenPx.x()) +
                static_cast<int>(std::lrint((units::tw(screenPx.width()) - noticeWidthTw) / 2.0)),
            units::tw(screenPx.y()) + static_cast<int>(std::lrint(
                                          (units::tw(screenPx.height()) - noticeHeightTw) / 2.0))};
}

QPoint noticeBesideMain(QPoint mainTopLeftTw) {
    return mainTopLeftTw + QPoint(960, 765);
}

QPoint noticeBesideToolbar(QPoint toolbarTopLeftTw) {
    return toolbarTopLeftTw + QPoint(-525, -55);
}

}  // namespace capture_layout
