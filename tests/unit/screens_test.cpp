// Screens as they are: which screen a window or a point belongs to, windows brought back from
// a monitor that is gone, device and logical pixels of a screen, and which sessions cannot
// give the screen's pixels.
#include "platform/screens.h"

#include <gtest/gtest.h>

#include "platform/capture_session.h"
#include "platform/screen_geometry.h"

namespace {

using namespace screen_geometry;

// The primary screen on the right and lower down, a taller one on its left.
const QList<QRect> kScreens{{1280, 128, 1024, 768}, {0, 0, 1280, 1024}};

TEST(ScreenGeometry, TheNearestScreenHoldsMostOfTheRectangleOrIsClosest) {
    EXPECT_EQ(nearest(kScreens, {100, 100, 50, 50}), 1);
    EXPECT_EQ(nearest(kScreens, {2000, 500, 10, 10}), 0);
    // Across both: the one holding more of it.
    EXPECT_EQ(nearest(kScreens, {1200, 300, 200, 100}), 0);
    EXPECT_EQ(nearest(kScreens, {1200, 300, 150, 100}), 1);
    // Where no monitor shows anything: above the primary, nearer to it than to the left one.
    EXPECT_EQ(nearest(kScreens, {2000, 10, 20, 20}), 0);
    EXPECT_EQ(nearest(kScreens, {1290, 10, 20, 20}), 1);
    EXPECT_EQ(nearest({}, {0, 0, 1, 1}), -1);
}

TEST(ScreenGeometry, InsideMovesAndShrinksOnlyWhatDoesNotFit) {
    const QRect area(1280, 128, 1024, 740);
    EXPECT_EQ(inside({1500, 300, 200, 100}, area), QRect(1500, 300, 200, 100));
    EXPECT_EQ(inside({2200, 800, 200, 100}, area), QRect(2104, 768, 200, 100));
    EXPECT_EQ(inside({1000, 0, 200, 100}, area), QRect(1280, 128, 200, 100));
    EXPECT_EQ(inside({1000, 0, 3000, 2000}, area), area);
}

TEST(ScreenGeometry, AWindowOnNoScreenComesBackToTheNearestKeepingItsSize) {
    // On a screen, or partly: left where it is.
    EXPECT_EQ(bringBack({100, 100, 248, 173}, kScreens), QRect(100, 100, 248, 173));
    EXPECT_EQ(bringBack({2200, 800, 248, 173}, kScreens), QRect(2200, 800, 248, 173));
    // Stored while a third monitor stood further right.
    EXPECT_EQ(bringBack({3000, 300, 248, 173}, kScreens), QRect(2056, 300, 248, 173));
    // Below the short primary, where no monitor shows anything.
    EXPECT_EQ(bringBack({2000, 950, 248, 60}, kScreens), QRect(2000, 836, 248, 60));
    // Larger than the screen it comes back to: from that screen's corner.
    EXPECT_EQ(bringBack({-5000, -5000, 1500, 1200}, kScreens), QRect(0, 0, 1500, 1200));
}

TEST(ScreenArea, LogicalAndDevicePixelsShareTheScreensCorner) {
    platform::ScreenArea s;
    s.logical = QRect(1280, 128, 683, 512);
    s.device = QRect(1280, 128, 1024, 768);
    s.scale = 1.5;
    EXPECT_EQ(s.toDevice(QPointF(1280, 128)), QPoint(1280, 128));
    EXPECT_EQ(s.toDevice(QPointF(1480, 228)), QPoint(1580, 278));
    // A window's device pixels, rounded outwards.
    EXPECT_EQ(s.toDevice(QRect(1281, 129, 10, 10)), QRect(1281, 129, 16, 16));
}

TEST(CaptureSession, WaylandInEveryDisguise) {
    using platform::isWaylandSession;
    EXPECT_TRUE(isWaylandSession("wayland", "", ""));
    EXPECT_TRUE(isWaylandSession("wayland-egl", "", "x11"));
    // XWayland: X11 programs on a Wayland desktop.
    EXPECT_TRUE(isWaylandSession("xcb", "wayland-0", ""));
    EXPECT_TRUE(isWaylandSession("xcb", "", "wayland"));
    EXPECT_TRUE(isWaylandSession("xcb", "", "Wayland"));
    EXPECT_FALSE(isWaylandSession("xcb", "", "x11"));
    EXPECT_FALSE(isWaylandSession("xcb", "", ""));
    EXPECT_FALSE(isWaylandSession("offscreen", "", "wayland"));
}

}  // namespace
