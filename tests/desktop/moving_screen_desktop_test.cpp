// Captures of a screen where a region changes every frame, under the main window and under the
// area: the picture is taken as soon as the program's windows are gone (motion is no reason to
// wait) and shows none of them, with and without a compositing manager.
#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "desktop/capture_desktop.h"
#include "support/test_pattern.h"

namespace {

constexpr int kTrayTop = 1080 - 28;  // the panel at the bottom covers the pattern there
const QRect kMoving(600, 380, 700, 360);

// Where a capture of the screen from `origin` shows anything but the pattern, or, in the moving
// region, anything but the pinks it changes through.
QString unclean(const QImage& picture, QPoint origin) {
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QPoint s = origin + QPoint(x, y);
            const QRgb got = picture.pixel(x, y) | 0xff000000u;
            const bool ok =
                s.y() >= kTrayTop ||
                (kMoving.contains(s) ? qRed(got) == 255 && qBlue(got) == 255 && qGreen(got) < 200
                                     : got == test_pattern::at(s.x(), s.y()));
            if (!ok) {
                return QStringLiteral("(%1,%2) is %3").arg(s.x()).arg(s.y()).arg(got, 8, 16);
            }
        }
    }
    return {};
}

class MovingScreen : public ::testing::TestWithParam<bool> {};

TEST_P(MovingScreen, CapturesAreCleanAndTakenAsSoonAsTheWindowsAreGone) {
    CaptureDesktop d(DesktopOptions{.compositor = GetParam()}, kMoving);
    ASSERT_TRUE(d.startProgram());
    ASSERT_TRUE(d.mainClient().intersects(kMoving));
    d.chooseWholeScreen();
    d.chooseCopy();

    // Waiting for stillness took more than a second here; the click itself takes 150 ms.
    QElapsedTimer sinceClick;
    sinceClick.start();
    d.clickCapture();
    const QImage screen = d.waitForNewClipboard(QImage());
    EXPECT_LT(sinceClick.elapsed(), 1000);
    ASSERT_EQ(screen.size(), d.screen());
    EXPECT_EQ(unclean(screen, {0, 0}), QString());

    // An area across the moving region; with a compositor the overlay was live over it.
    ASSERT_TRUE(waitUntil([&] { return d.shownWindows().size() == 1 && d.mainVisible(); }, 3000));
    d.chooseSelection();
    d.clickCapture();
    ASSERT_TRUE(d.waitForOverlay());
    d.drag({400, 300}, {1000, 700});
    QElapsedTimer sinceRelease;
    sinceRelease.start();
    const QImage area = d.waitForNewClipboard(screen);
    EXPECT_LT(sinceRelease.elapsed(), 1000);
    ASSERT_EQ(area.size(), QSize(600, 400));
    EXPECT_EQ(unclean(area, {401, 301}), QString());
}

INSTANTIATE_TEST_SUITE_P(CompositorOrNot, MovingScreen, ::testing::Bool());

}  // namespace
