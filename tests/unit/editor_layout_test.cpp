// Where the editor puts its viewport, scroll bars and frames for a window size.
#include <gtest/gtest.h>

#include "editor/canvas_layout.h"
#include "editor/editor_resize.h"

namespace {

CanvasLayoutInput input(int canvasW, int canvasH, int clientW, int clientH) {
    CanvasLayoutInput in;
    in.canvasW = canvasW;
    in.canvasH = canvasH;
    in.clientW = clientW;
    in.clientH = clientH;
    return in;
}

TEST(LayoutCanvas, ACanvasThatFitsNeedsNoBar) {
    // The viewport lies under the toolbar's two rows, 540 twips.
    const CanvasLayout l = layoutCanvas(input(5000, 3000, 5000, 3540));
    EXPECT_FALSE(l.hBar.shown);
    EXPECT_FALSE(l.vBar.shown);
    EXPECT_EQ(l.viewport, QRect(0, 540, 5000, 3000));
}

TEST(LayoutCanvas, AWideCanvasGetsTheHorizontalBarWithItsOffsets) {
    const CanvasLayout l = layoutCanvas(input(9000, 2000, 6000, 4000));
    ASSERT_TRUE(l.hBar.shown);
    EXPECT_FALSE(l.vBar.shown);
    EXPECT_EQ(l.viewport, QRect(0, 540, 6000, 4000 - 540 - 255));
    EXPECT_EQ(l.hBar.geometry, QRect(0, 4000 - 255, 6000, 255));
    EXPECT_EQ(l.hBar.max, -3000);
    EXPECT_EQ(l.hBar.largeChange, 6000);
    EXPECT_EQ(l.hBar.smallChange, 1200);
}

TEST(LayoutCanvas, TheVerticalBarCanStealTheWidthTheCanvasNeeded) {
    // 100 twips to spare across, too tall: the vertical bar's 255 leave it short.
    const CanvasLayout l = layoutCanvas(input(5900, 9000, 6000, 5000));
    ASSERT_TRUE(l.vBar.shown);
    ASSERT_TRUE(l.hBar.shown);
    EXPECT_EQ(l.viewport, QRect(0, 540, 5745, 5000 - 540 - 255));
    EXPECT_EQ(l.vBar.geometry, QRect(5745, 540, 255, 4205));
    EXPECT_EQ(l.vBar.max, 4205 - 9000);
    EXPECT_EQ(l.hBar.max, 5745 - 5900);
    EXPECT_EQ(l.vBar.smallChange, 841);

    // With room for the bar as well, only the vertical one shows.
    const CanvasLayout roomy = layoutCanvas(input(5700, 9000, 6000, 5000));
    EXPECT_TRUE(roomy.vBar.shown);
    EXPECT_FALSE(roomy.hBar.shown);
}

TEST(LayoutCanvas, ViewportBorderCountsAndMinimisedDoesNothing) {
    CanvasLayoutInput in = input(5000, 3000, 5030, 4000);
    in.viewportBorderW = 60;
    in.viewportBorderH = 60;
    const CanvasLayout l = layoutCanvas(in);
    EXPECT_TRUE(l.hBar.shown);
    EXPECT_EQ(l.hBar.max, 5030 - 60 - 5000);
    in.minimised = true;
    EXPECT_TRUE(layoutCanvas(in).skipped);
}

TEST(EditorResize, WideWindowCentresTheFrameAndTheCanvasInIt) {
    EditorResizeInput in{10000, 6000, 3060, 2535, 3160, 5065, 2880};
    const EditorResizeLayout r = resizeEditor(in);
    EXPECT_DOUBLE_EQ(r.fraMainLeft, (10000 - 3160) / 2.0 - 120);
    EXPECT_DOUBLE_EQ(r.fraPictureLeft, (3160 - 2880) / 2.0);
    EXPECT_DOUBLE_EQ(r.canvasLeft, 50);
    EXPECT_DOUBLE_EQ(r.fraTextLeft, r.fraPictureLeft + 280);
    EXPECT_FALSE(r.viewportLeft.has_value());
    EXPECT_EQ(r.fraMainW, 4000) << "never narrower than 4000";
    EXPECT_EQ(r.fraMainH, 2535 + 1300);
    EXPECT_DOUBLE_EQ(r.fraMainTop, (6000 - 5065) / 2.0);
    EXPECT_TRUE(r.layoutCanvas);
}

TEST(EditorResize, NarrowWindowPutsTheFrameAtTheLeftAndTallCanvasAtTheTop) {
    EditorResizeInput in{6000, 1900, 9060, 3000, 9160, 5530, 2880};
    const EditorResizeLayout r = resizeEditor(in);
    EXPECT_DOUBLE_EQ(r.fraMainLeft, 0);
    EXPECT_DOUBLE_EQ(r.fraPictureLeft, (6000 - 2880) / 2.0 - 120);
    EXPECT_DOUBLE_EQ(r.canvasLeft, (6000 - 9060) / 2.0 - 120);
    ASSERT_TRUE(r.viewportLeft.has_value());
    EXPECT_DOUBLE_EQ(*r.viewportLeft, 0);
    EXPECT_DOUBLE_EQ(r.fraMainTop, 0);
    EXPECT_EQ(r.fraMainW, 9060);
    EXPECT_FALSE(r.layoutCanvas) << "1950 twips or less is too low for the viewport";
}

TEST(EditorResize, FrameTopNeverGoesAboveTheWindow) {
    // Short canvas, but a frame taller than the window.
    EditorResizeInput in{8000, 3000, 3000, 900, 4000, 5000, 2880};
    EXPECT_DOUBLE_EQ(resizeEditor(in).fraMainTop, 0);
}

}  // namespace
