// The overlay's arithmetic: the fixed rectangle, the marked area's pixels, the editor's sizes.
#include "capture/selection_geometry.h"

#include <gtest/gtest.h>

#include "capture/capture_layout.h"
#include "ui/lc_mod3_transparencia.h"

namespace {

using namespace selection_geometry;
const QRect kScreen(0, 0, 1920, 1080);

TEST(FixedArea, CentredOnThePointer) {
    // 200 x 100 pixels around (500, 400): 3000 x 1500 twips from (6000, 5250).
    EXPECT_EQ(fixedArea({500, 400}, 200, 100, kScreen), (TwipsRect{6000, 5250, 9000, 6750}));
    // Half a pixel falls on a half twip: 101 / 2 pixels is 757.5 twips, rounded to even.
    EXPECT_EQ(fixedArea({500, 400}, 200, 101, kScreen).top, 5242);
}

TEST(FixedArea, StopsAtEveryScreenEdge) {
    EXPECT_EQ(fixedArea({5, 5}, 200, 100, kScreen), (TwipsRect{0, 0, 3000, 1500}));
    EXPECT_EQ(fixedArea({1915, 1075}, 200, 100, kScreen),
              (TwipsRect{1720 * 15, 980 * 15, 1920 * 15, 1080 * 15}));
    // Just inside the far edge it already stops there.
    EXPECT_EQ(fixedArea({1820, 1030}, 200, 100, kScreen).left, 1720 * 15);
    EXPECT_EQ(fixedArea({1819, 1029}, 200, 100, kScreen).left, 1719 * 15);
}

TEST(FixedArea, LargerThanTheScreenStartsBeforeItsNearEdge) {
    const TwipsRect r = fixedArea({960, 540}, 2500, 1200, kScreen);
    EXPECT_EQ(r.left, (1920 - 2500) * 15);
    EXPECT_EQ(r.top, (1080 - 1200) * 15);
    EXPECT_EQ(r.right, 1920 * 15);
    EXPECT_EQ(r.bottom, 1080 * 15);
}

TEST(FixedArea, SidesOfTenPixelsOrLessBecomeTen) {
    EXPECT_EQ(fixedArea({500, 400}, 5, 5, kScreen), (TwipsRect{7425, 5925, 7575, 6075}));
    const TwipsRect none = fixedArea({500, 400}, 0, -3, kScreen);
    EXPECT_EQ(none.right - none.left, 150);
    EXPECT_EQ(none.bottom - none.top, 150);
    // 11 pixels stay 11: 165 twips, starting 82.5 twips left of the pointer, rounded to even.
    EXPECT_EQ(fixedArea({500, 400}, 11, 11, kScreen), (TwipsRect{7418, 5918, 7583, 6083}));
}

TEST(FixedArea, StopsAtTheEdgesOfTheScreenUnderThePointer) {
    // The second of two monitors, right of the first and lower down.
    const QRect second(1920, 200, 1024, 768);
    EXPECT_EQ(fixedArea({1925, 205}, 200, 100, second),
              (TwipsRect{1920 * 15, 200 * 15, 2120 * 15, 300 * 15}));
    EXPECT_EQ(fixedArea({2940, 960}, 200, 100, second).right, 2944 * 15);
    EXPECT_EQ(fixedArea({2940, 960}, 200, 100, second).bottom, 968 * 15);
}

TEST(FixedArea, LargeScreensHaveNoSixteenBitLimit) {
    const QRect big(0, 0, 3840, 2160);
    EXPECT_EQ(fixedArea({3000, 2000}, 200, 100, big),
              (TwipsRect{2900 * 15, 1950 * 15, 3100 * 15, 2050 * 15}));
    EXPECT_EQ(fixedArea({3839, 2159}, 200, 100, big).right, 3840 * 15);
}

TEST(SourceArea, StartsOnePixelInsideThePressPoint) {
    EXPECT_EQ(sourceArea({300 * 15, 200 * 15, 400 * 15, 250 * 15}, kScreen.size()),
              QRect(301, 201, 100, 50));
}

TEST(SourceArea, ReversedCornersGiveTheSameStraightArea) {
    const QRect expected(301, 201, 100, 50);
    EXPECT_EQ(sourceArea({400 * 15, 250 * 15, 300 * 15, 200 * 15}, kScreen.size()),
              expected);  // up-left
    EXPECT_EQ(sourceArea({400 * 15, 200 * 15, 300 * 15, 250 * 15}, kScreen.size()),
              expected);  // down-left
    EXPECT_EQ(sourceArea({300 * 15, 250 * 15, 400 * 15, 200 * 15}, kScreen.size()),
              expected);  // up-right
}

TEST(SourceArea, NoWidthOrNoHeightMeansNothing) {
    EXPECT_FALSE(sourceArea({4500, 3000, 4500, 3000}, kScreen.size()));
    EXPECT_FALSE(sourceArea({4500, 3000, 6000, 3000}, kScreen.size()));
    EXPECT_FALSE(sourceArea({4500, 3000, 4500, 9000}, kScreen.size()));
    EXPECT_FALSE(sourceArea({0, 0, 0, 0}, kScreen.size()));
    // Corners within the same pixel, once rounded, count as one.
    EXPECT_FALSE(sourceArea({4500, 3000, 4507, 3600}, kScreen.size()));
}

TEST(SourceArea, CornersRoundToPixelsWithHalvesToEven) {
    // 337.5 twips = 22.5 pixels -> 22; 352.5 = 23.5 -> 24.
    const auto a = sourceArea({337, 352, 1500, 1500}, kScreen.size());  // 22.47 -> 22, 23.47 -> 23
    ASSERT_TRUE(a);
    EXPECT_EQ(a->topLeft(), QPoint(23, 24));
    const auto b = sourceArea({338, 353, 1500, 1500}, kScreen.size());  // 22.53 -> 23, 23.53 -> 24
    ASSERT_TRUE(b);
    EXPECT_EQ(b->topLeft(), QPoint(24, 25));
}

TEST(SourceArea, WidthAndHeightAreLimitedToTheScreen) {
    const auto r = sourceArea({-8700, -1800, 28800, 16200}, kScreen.size());
    ASSERT_TRUE(r);
    EXPECT_EQ(*r, QRect(-579, -119, 1920, 1080));
}

TEST(SourceArea, CornersBeyondSixteenBitsOfTwipsWork) {
    // 2500 pixels are 37500 twips, past 32767.
    const auto r = sourceArea({2500 * 15, 2000 * 15, 3700 * 15, 2150 * 15}, {3840, 2160});
    ASSERT_TRUE(r);
    EXPECT_EQ(*r, QRect(2501, 2001, 1200, 150));
}

TEST(FrameRect, SameFrameWhicheverWayItWasDrawn) {
    const QRect r(10, 20, 30, 40);
    EXPECT_EQ(frameRect({10, 20}, {40, 60}), r);
    EXPECT_EQ(frameRect({40, 60}, {10, 20}), r);
    EXPECT_EQ(frameRect({40, 20}, {10, 60}), r);
}

TEST(BoxValue, ReadsTheLeadingWholeNumber) {
    EXPECT_EQ(boxValue("500"), 500);
    EXPECT_EQ(boxValue(" 12px"), 12);
    EXPECT_EQ(boxValue(""), 0);
    EXPECT_EQ(boxValue("abc"), 0);
    EXPECT_EQ(boxValue("-7"), -7);
    EXPECT_EQ(boxValue("99999999999999999999"), 1000000);
    EXPECT_EQ(labelTwips("37500"), 37500);
    EXPECT_EQ(labelTwips("x"), 0);
}

TEST(Transparency, AlphaIsRoundedWithHalvesToEven) {
    EXPECT_EQ(LC_Mod3_Transparencia::alphaFor(30), 76);
    EXPECT_EQ(LC_Mod3_Transparencia::alphaFor(10), 26);   // 25.5
    EXPECT_EQ(LC_Mod3_Transparencia::alphaFor(70), 178);  // 178.5
    EXPECT_EQ(LC_Mod3_Transparencia::alphaFor(0), 0);
    EXPECT_EQ(LC_Mod3_Transparencia::alphaFor(100), 255);
    EXPECT_EQ(LC_Mod3_Transparencia::alphaFor(150), 255);
}

TEST(EditorSizes, AreaCaptureKeepsTheEditorAtLeast4000Wide) {
    // 100 x 50: the canvas is 1560 x 810 twips with its border; 1560 + 190 < 4000.
    const auto s = capture_layout::forArea(100, 50);
    EXPECT_EQ(s.fraMainWidthTw, 1660);
    EXPECT_EQ(s.fraMainHeightTw, 3340);
    EXPECT_EQ(s.windowWidthTw, 4000);
    EXPECT_EQ(s.windowHeightTw, 2050);
    EXPECT_EQ(s.meHeightTw, 2050);

    // 250 pixels: 3810 + 190 = 4000 is not below 4000, so the window keeps w x 15 + 760.
    EXPECT_EQ(capture_layout::forArea(250, 50).windowWidthTw, 4510);
    EXPECT_EQ(capture_layout::forArea(249, 50).windowWidthTw, 4000);
}

TEST(EditorSizes, LargeCapturesHaveNoSixteenBitLimit) {
    const auto s = capture_layout::forArea(3000, 2000);
    EXPECT_EQ(s.fraMainWidthTw, 45160);
    EXPECT_EQ(s.fraMainHeightTw, 32590);
    EXPECT_EQ(s.windowWidthTw, 45760);
    EXPECT_EQ(s.windowHeightTw, 31300);
}

TEST(EditorSizes, WholeScreenCanvasHoldsTheWholeScreen) {
    const auto s = capture_layout::forWholeScreen({1920, 1080});
    // The canvas is the screen plus its 60-twip border.
    EXPECT_EQ(s.fraMainWidthTw, 28800 + 60 + 190);
    EXPECT_EQ(s.fraMainHeightTw, 16200 + 60 + 2500);
    EXPECT_EQ(s.windowWidthTw, 29600);
    EXPECT_EQ(s.windowHeightTw, 17900);
    EXPECT_FALSE(s.meHeightTw);
}

TEST(NoticePlace, CentredBesideTheMainWindowOrBesideTheToolbar) {
    EXPECT_EQ(capture_layout::noticeCentred(kScreen, 1890, 540), QPoint(13455, 7830));
    EXPECT_EQ(capture_layout::noticeBesideMain({1500, 3000}), QPoint(2460, 3765));
    EXPECT_EQ(capture_layout::noticeBesideToolbar({1500, 3000}), QPoint(975, 2945));
}

}  // namespace
