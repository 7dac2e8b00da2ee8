// Pictures of screen areas, the overlay's look over a still picture, and when the screen no
// longer shows windows that have left it.
#include <gtest/gtest.h>

#include <QList>
#include <vector>

#include "capture/area_grab.h"
#include "capture/overlay_look.h"
#include "platform/services.h"
#include "platform/vacated_places.h"
#include "support/test_pattern.h"

namespace {

const QSize kScreen(640, 480);

QImage filled(QRgb colour) {
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

TEST(AreaCut, InsideTheScreenIsAnExactCopy) {
    const QImage screen = test_pattern::make(kScreen);
    const QImage part = area_grab::cut(screen, {}, QRect(301, 201, 100, 50));
    ASSERT_EQ(part.size(), QSize(100, 50));
    EXPECT_EQ(part, screen.copy(301, 201, 100, 50));
}

TEST(AreaCut, BeyondTheEdgesIsBlackAndTheSizeIsKept) {
    const QImage screen = test_pattern::make(kScreen);
    const QImage right = area_grab::cut(screen, {}, QRect(541, 381, 100, 100));
    ASSERT_EQ(right.size(), QSize(100, 100));
    EXPECT_EQ(right.pixel(98, 98), test_pattern::at(639, 479));
    EXPECT_EQ(right.pixel(99, 5), qRgb(0, 0, 0));
    EXPECT_EQ(right.pixel(5, 99), qRgb(0, 0, 0));

    const QImage left = area_grab::cut(screen, {}, QRect(-9, -4, 20, 10));
    EXPECT_EQ(left.pixel(8, 3), qRgb(0, 0, 0));
    EXPECT_EQ(left.pixel(9, 4), test_pattern::at(0, 0));
    EXPECT_EQ(left.pixel(19, 9), test_pattern::at(10, 5));

    const QImage outside = area_grab::cut(screen, {}, QRect(700, 10, 5, 5));
    EXPECT_EQ(outside.size(), QSize(5, 5));
    EXPECT_EQ(outside.pixel(2, 2), qRgb(0, 0, 0));
}

using GrabFn = decltype(platform::Services::grabDesktop);

TEST(AreaGrab, AsksTheScreenOnlyForItsOwnPixels) {
    const QImage screen = test_pattern::make(kScreen);
    std::vector<QRect> asked;
    platform::ScopedService grabGuard(platform::services().grabDesktop, GrabFn([&](const QRect& r) {
                                          asked.push_back(r);
                                          return screen.copy(r);
                                      }));
    const QImage part = area_grab::grab(QRect(600, 470, 50, 20), {QRect({0, 0}, kScreen)});
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], QRect(600, 470, 40, 10));
    EXPECT_EQ(part.size(), QSize(50, 20));
    EXPECT_EQ(part.pixel(39, 9), test_pattern::at(639, 479));
    EXPECT_EQ(part.pixel(40, 9), qRgb(0, 0, 0));

    // A screen that gives nothing gives no picture, not a black one.
    platform::ScopedService none(platform::services().grabDesktop,
                                 GrabFn([](const QRect&) { return QImage(); }));
    EXPECT_TRUE(area_grab::grab(QRect(0, 0, 10, 10), {QRect({0, 0}, kScreen)}).isNull());
}

TEST(AreaGrab, WhatNoMonitorShowsIsBlackEvenWhereTheDesktopHasPixels) {
    // A tall screen on the left and a short one lower down on the right: the desktop's
    // framebuffer holds pixels above and below the right one that no monitor shows.
    const QImage framebuffer = test_pattern::make({300, 200});
    const QList<QRect> screens{{0, 0, 200, 200}, {200, 50, 100, 100}};
    platform::ScopedService grabGuard(platform::services().grabDesktop,
                                      GrabFn([&](const QRect& r) { return framebuffer.copy(r); }));
    const QImage across = area_grab::grab(QRect(150, 20, 120, 150), screens);
    ASSERT_EQ(across.size(), QSize(120, 150));
    for (int y = 0; y < across.height(); ++y) {
        for (int x = 0; x < across.width(); ++x) {
            const QPoint d(150 + x, 20 + y);
            const bool shown = screens[0].contains(d) || screens[1].contains(d);
            ASSERT_EQ(across.pixel(x, y), shown ? test_pattern::at(d.x(), d.y()) : qRgb(0, 0, 0))
                << d.x() << "," << d.y();
        }
    }
}

TEST(AreaGrab, APictureOfOneColourIsRejectedOnlyWhenNothingShowsTheGrabsWork) {
    const QList<QRect> screens{{0, 0, 200, 100}, {200, 0, 100, 100}};
    QImage desktop(300, 100, QImage::Format_RGB32);
    desktop.fill(Qt::black);
    platform::ScopedService grabGuard(platform::services().grabDesktop,
                                      GrabFn([&](const QRect& r) { return desktop.copy(r); }));
    const QRect area(20, 20, 50, 50);
    // XWayland: every grab is black.
    EXPECT_EQ(area_grab::rejection(area_grab::grab(area, screens), area, screens, false),
              area_grab::oneColourReason());
    EXPECT_FALSE(area_grab::rejection(QImage(), area, screens, false).isEmpty());
    EXPECT_FALSE(area_grab::rejection(QImage(), area, screens, true).isEmpty());
    // The program's own window was just seen on the screen: the screen is that black.
    EXPECT_EQ(area_grab::rejection(area_grab::grab(area, screens), area, screens, true), QString());
    // A black area framed on a desktop that shows more, even only on the other screen.
    desktop.setPixel(250, 50, qRgb(1, 2, 3));
    EXPECT_EQ(area_grab::rejection(area_grab::grab(area, screens), area, screens, false),
              QString());
    const QRect mixed(240, 40, 20, 20);
    EXPECT_EQ(area_grab::rejection(area_grab::grab(mixed, screens), mixed, screens, false),
              QString());
}

TEST(OverlayLook, ThirtyPercentBlackKeepsSeventyPercentOfEachChannel) {
    const QImage dark = overlay_look::darkened(filled(qRgb(255, 100, 0)), 76);
    EXPECT_EQ(dark.pixel(1, 1), qRgb(179, 70, 0));
    EXPECT_EQ(overlay_look::underWhite(qRgb(0, 100, 255), 76), qRgb(76, 146, 255));
    // Every value stays within one of x 0.702.
    for (int c = 0; c <= 255; ++c) {
        EXPECT_NEAR(overlay_look::blend(0, c, 76), c * 0.702, 1.0) << c;
    }
}

TEST(VacatedPlaces, APlaceCountsOnceItsWindowLeftAndAllOfItWasDrawnAgain) {
    VacatedPlaces places;
    places.add(1, QRect(100, 100, 200, 100));
    EXPECT_FALSE(places.done());
    places.drawn(QRect(0, 0, 1920, 1080));  // the window's own last picture
    EXPECT_FALSE(places.done());
    places.left(1);
    EXPECT_FALSE(places.done());
    places.drawn(QRect(100, 100, 200, 60));  // what lies below repaints in pieces
    places.drawn(QRect(500, 500, 10, 10));   // elsewhere
    EXPECT_FALSE(places.done());
    places.drawn(QRect(90, 150, 300, 50));
    EXPECT_TRUE(places.done());
}

TEST(VacatedPlaces, EachWindowsPlaceAfterItsOwnLeavingAndMotionDoesNotHoldItBack) {
    VacatedPlaces places;
    places.add(1, QRect(0, 0, 100, 100));
    places.add(2, QRect(50, 50, 100, 100));
    places.add(3, QRegion());  // wholly under other windows: nothing to wait for
    places.left(1);
    places.drawn(QRect(0, 0, 200, 200));  // window 2 is still there: only window 1's place
    EXPECT_FALSE(places.done());
    places.left(2);
    EXPECT_FALSE(places.done());
    // A region that changes every frame keeps being drawn; the places are done all the same.
    places.drawn(QRect(60, 60, 20, 20));
    places.drawn(QRect(50, 50, 100, 100));
    places.drawn(QRect(60, 60, 20, 20));
    EXPECT_TRUE(places.done());
    EXPECT_TRUE(VacatedPlaces().done());
}

}  // namespace
