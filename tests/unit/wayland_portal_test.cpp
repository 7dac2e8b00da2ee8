// The Wayland unit's pure parts: the portal's picture brought to the program's device pixels,
// which of the portal's files are the program's to remove, and the platform asked of Qt.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/wayland/portal_picture.h"
#include "platform/wayland/wayland_session.h"
#include "support/test_pattern.h"

namespace {

using portal_picture::Screen;

TEST(PortalPicture, OneScreenIsThePortalsPictureAsItIs) {
    const QImage portal = test_pattern::make({64, 48});
    const QImage desktop = portal_picture::desktop(portal, {{{0, 0, 64, 48}, {0, 0, 64, 48}}});
    ASSERT_EQ(desktop.size(), QSize(64, 48));
    EXPECT_EQ(desktop, portal);
}

// Screen A: logical 0,0 100x50 at density 1; screen B beside it: logical 100,0 40x30 at
// density 2, device pixels 100,0 80x60. The portal draws the layout (140x50) at density 2 and
// leaves what no screen shows transparent. Of each 2x2 block it drew for a pixel of screen A,
// only the later pixel in both directions holds that pixel here (a desktop that smooths puts
// most of it there); the others hold a colour of no pixel, so the test sees which is taken.
TEST(PortalPicture, ScreensOfTwoDensitiesComeBackAtTheirOwnPixelsAndTheRestIsBlack) {
    QImage portal(280, 100, QImage::Format_ARGB32);
    portal.fill(Qt::transparent);
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 200; ++x) {
            const QRgb a = test_pattern::at(x / 2, y / 2);
            const bool mixed = x % 2 == 1 && y % 2 == 1;
            portal.setPixel(x, y, mixed ? a : qRgb(1, 2, 3));
        }
    }
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 80; ++x) {
            portal.setPixel(200 + x, y, test_pattern::at(100 + x, y));
        }
    }
    portal.setPixel(201, 3, qRgba(10, 20, 30, 128));  // half shown: its colour, opaque
    portal.setPixel(203, 5, qRgba(10, 20, 30, 0));    // not shown at all: black

    const QImage d = portal_picture::desktop(
        portal, {{{0, 0, 100, 50}, {0, 0, 100, 50}}, {{100, 0, 40, 30}, {100, 0, 80, 60}}});
    ASSERT_EQ(d.size(), QSize(180, 60));
    ASSERT_EQ(d.format(), QImage::Format_RGB32);
    for (int y = 0; y < 50; ++y) {
        for (int x = 0; x < 100; ++x) {
            ASSERT_EQ(d.pixel(x, y), test_pattern::at(x, y)) << x << "," << y;
        }
    }
    for (int y = 50; y < 60; ++y) {
        EXPECT_EQ(d.pixel(40, y), qRgb(0, 0, 0)) << "below screen A, row " << y;
    }
    EXPECT_EQ(d.pixel(101, 3), qRgb(10, 20, 30));
    EXPECT_EQ(d.pixel(103, 5), qRgb(0, 0, 0));
    EXPECT_EQ(d.pixel(100, 0), test_pattern::at(100, 0));
    EXPECT_EQ(d.pixel(179, 59), test_pattern::at(179, 59));
}

TEST(PortalPicture, OnlyFilesInATemporaryFolderAndOutsideThePicturesAreRemoved) {
    QTemporaryDir tmp;
    QDir(tmp.path()).mkpath(QStringLiteral("shots"));
    QDir(tmp.path()).mkpath(QStringLiteral("home/Pictures"));
    QDir(tmp.path()).mkpath(QStringLiteral("elsewhere"));
    const QString temporary = tmp.filePath(QStringLiteral("shots"));
    const QString pictures = tmp.filePath(QStringLiteral("home/Pictures"));
    const QStringList kept{pictures};
    EXPECT_TRUE(portal_picture::removable(temporary + "/out.png", {temporary}, kept));
    EXPECT_TRUE(portal_picture::removable(tmp.path() + "/elsewhere/x.png", {tmp.path()}, kept));
    // A home inside the temporary folder: the pictures folder is still the user's.
    EXPECT_FALSE(portal_picture::removable(pictures + "/Screenshot.png", {tmp.path()}, kept));
    EXPECT_FALSE(portal_picture::removable(tmp.path() + "/elsewhere/x.png", {temporary}, kept));
    // A folder that merely starts with the same letters is another folder.
    EXPECT_FALSE(portal_picture::removable(temporary + "2/out.png", {temporary}, kept));
}

TEST(WaylandSession, AWaylandSessionAsksForQtsWaylandPlatformUnlessOneWasChosen) {
    using platform::wayland::preferredPlatform;
    EXPECT_EQ(preferredPlatform("", "wayland-0", ""), "wayland;xcb");
    EXPECT_EQ(preferredPlatform("", "", "Wayland"), "wayland;xcb");
    EXPECT_EQ(preferredPlatform("xcb", "wayland-0", "wayland"), "");
    EXPECT_EQ(preferredPlatform("", "", "x11"), "");
    EXPECT_EQ(preferredPlatform("", "", ""), "");
}

}  // namespace
