// Captures of the coordinate test pattern by the installed program, checked pixel by pixel from
// the clipboard, with and without a compositing manager.
#include "desktop/capture_desktop.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QThread>

#include "desktop/x_probe.h"
#include "support/test_pattern.h"

namespace {

constexpr int kTrayTop = 1080 - 28;  // the panel at the bottom covers the pattern there

// Every sampled pixel of `shot` is the pattern seen through 30 percent black.
QString differenceFromDarkenedPattern(const QImage& shot, int tolerance) {
    for (int y = 5; y < kTrayTop; y += 37) {
        for (int x = 3; x < shot.width(); x += 41) {
            const QRgb want = test_pattern::at(x, y);
            const QRgb got = shot.pixel(x, y);
            const int channels[3][2] = {
                {qRed(got), qRed(want)}, {qGreen(got), qGreen(want)}, {qBlue(got), qBlue(want)}};
            for (const auto& c : channels) {
                if (std::abs(c[0] - c[1] * 0.702) > tolerance) {
                    return QStringLiteral("(%1,%2) is %3, the pattern is %4")
                        .arg(x)
                        .arg(y)
                        .arg(got, 8, 16)
                        .arg(want, 8, 16);
                }
            }
        }
    }
    return {};
}

TEST(CaptureDesktop, SelectionDragsGiveExactStraightCopies) {
    CaptureDesktop d;
    ASSERT_TRUE(d.startProgram());
    d.chooseCopy();

    struct Drag {
        QPoint from, to;
        QPoint origin;
    };
    const std::vector<Drag> drags{
        {{300, 200}, {400, 250}, {301, 201}},     // right and down
        {{700, 650}, {600, 600}, {601, 601}},     // left and up
        {{1500, 100}, {1400, 150}, {1401, 101}},  // left and down
    };
    QImage previous;
    for (const Drag& drag : drags) {
        d.clickCapture();
        ASSERT_TRUE(d.waitForOverlay());
        EXPECT_FALSE(d.mainVisible());
        d.drag(drag.from, drag.to);
        const QImage copy = d.waitForNewClipboard(previous);
        ASSERT_FALSE(copy.isNull());
        ASSERT_EQ(copy.size(), QSize(100, 50));
        EXPECT_EQ(differenceFromPattern(copy, drag.origin, d.screen()), QString());
        ASSERT_TRUE(d.waitForOverlayGone());
        ASSERT_TRUE(waitUntil([&] { return d.mainVisible(); }));
        previous = copy;
    }
}

TEST(CaptureDesktop, FixedAreaIsCentredOnThePointerAlsoAtTheEdges) {
    CaptureDesktop d;
    d.program().folder().setField("fixWidth", "200");
    d.program().folder().setField("fixHeight", "100");
    ASSERT_TRUE(d.startProgram());
    d.chooseFixedArea();
    d.chooseCopy();

    struct Case {
        QPoint pointer;
        QPoint origin;  // one pixel right of and below the frame's corner
    };
    const std::vector<Case> cases{
        {{800, 500}, {701, 451}},
        {{30, 20}, {1, 1}},
        {{1900, 300}, {1721, 251}},  // the last column lies past the screen: black
    };
    QImage previous;
    for (const Case& c : cases) {
        d.clickCapture();
        ASSERT_TRUE(d.waitForOverlay());
        d.pointerTo(c.pointer + QPoint(3, 3));
        d.click(c.pointer);
        const QImage copy = d.waitForNewClipboard(previous);
        ASSERT_EQ(copy.size(), QSize(200, 100));
        EXPECT_EQ(differenceFromPattern(copy, c.origin, d.screen()), QString());
        ASSERT_TRUE(d.waitForOverlayGone());
        ASSERT_TRUE(waitUntil([&] { return d.mainVisible(); }));
        previous = copy;
    }
}

TEST(CaptureDesktop, WholeScreenCopyHoldsTheWholeScreenAndConfirms) {
    CaptureDesktop d;
    ASSERT_TRUE(d.startProgram());
    d.chooseWholeScreen();
    d.chooseCopy();
    const QRect main = d.mainClient();
    d.clickCapture();

    const QImage copy = d.waitForNewClipboard(QImage());
    QElapsedTimer sinceCopy;
    sinceCopy.start();
    ASSERT_EQ(copy.size(), d.screen());
    EXPECT_EQ(differenceFromPattern(copy, {0, 0}, d.screen(), kTrayTop), QString());
    ASSERT_TRUE(waitUntil([&] { return d.mainVisible(); }));

    // The notice, 126 x 36 pixels, over the middle of the main window, for about a second.
    std::optional<QRect> notice;
    ASSERT_TRUE(waitUntil(
        [&] {
            for (const QString& id : d.shownWindows()) {
                const QRect g = windowInfo(d.desktop(), id).geometry;
                if (g.size() == QSize(126, 36)) {
                    notice = g;
                }
            }
            return notice.has_value();
        },
        2000));
    EXPECT_TRUE(main.intersects(*notice));
    ASSERT_TRUE(waitUntil([&] { return d.shownWindows().size() == 1; }, 2500));
    EXPECT_GT(sinceCopy.elapsed(), 700);
    EXPECT_LT(sinceCopy.elapsed(), 2200);
    EXPECT_TRUE(d.mainVisible());
}

TEST(CaptureDesktop, WholeScreenCopyWithHidingLeavesTheTrayIconAndTheNoticeCentred) {
    CaptureDesktop d;
    ASSERT_TRUE(d.startProgram());
    d.chooseWholeScreen();
    d.chooseCopy();
    d.toggleHide();
    d.clickCapture();

    const QImage copy = d.waitForNewClipboard(QImage());
    ASSERT_EQ(copy.size(), d.screen());
    EXPECT_EQ(differenceFromPattern(copy, {0, 0}, d.screen(), kTrayTop), QString());
    QStringList shown;
    ASSERT_TRUE(waitUntil([&] {
        shown = d.shownWindows();
        return shown.size() == 1;
    }));
    EXPECT_FALSE(d.mainVisible());
    EXPECT_EQ(windowInfo(d.desktop(), shown[0]).geometry, QRect(897, 522, 126, 36));
    EXPECT_EQ(trayIcons(d.desktop(), d.program()).size(), 1);
}

TEST(CaptureDesktop, AClickWithoutADragOrEscapeCapturesNothing) {
    CaptureDesktop d;
    ASSERT_TRUE(d.startProgram());
    d.chooseCopy();

    d.clickCapture();
    ASSERT_TRUE(d.waitForOverlay());
    d.click({500, 500});
    ASSERT_TRUE(d.waitForOverlayGone());
    EXPECT_TRUE(waitUntil([&] { return d.mainVisible(); }));

    d.clickCapture();
    ASSERT_TRUE(d.waitForOverlay());
    d.pointerTo({400, 400});
    d.key("Escape");
    ASSERT_TRUE(d.waitForOverlayGone());
    EXPECT_TRUE(waitUntil([&] { return d.mainVisible(); }));

    QThread::msleep(500);
    EXPECT_TRUE(d.clipboard().isNull());
}

TEST(CaptureDesktop, WithoutCompositorTheOverlayShowsTheScreenAt70Percent) {
    CaptureDesktop d;
    ASSERT_TRUE(d.startProgram());
    d.chooseCopy();
    d.clickCapture();
    ASSERT_TRUE(d.waitForOverlay());
    QThread::msleep(300);
    // The windows that were hidden are not in the picture: the pattern shows everywhere.
    EXPECT_EQ(differenceFromDarkenedPattern(d.desktop().screenshot(), 1), QString());

    d.drag({900, 500}, {1100, 650});
    const QImage copy = d.waitForNewClipboard(QImage());
    ASSERT_EQ(copy.size(), QSize(200, 150));
    EXPECT_EQ(differenceFromPattern(copy, {901, 501}, d.screen()), QString());
}

TEST(CaptureDesktop, WithCompositorTheOverlayIsBlendedAndTheCaptureExact) {
    CaptureDesktop d(DesktopOptions{.compositor = true});
    ASSERT_TRUE(d.startProgram());
    d.chooseCopy();
    d.clickCapture();
    const auto overlay = d.waitForOverlay();
    ASSERT_TRUE(overlay);
    const QString opacity = d.desktop().run("xprop", {"-id", *overlay, "_NET_WM_WINDOW_OPACITY"});
    EXPECT_TRUE(opacity.contains("= 1280068684")) << opacity.toStdString();
    QThread::msleep(300);
    // The compositor's own blend of 30 percent black over the live pattern.
    EXPECT_EQ(differenceFromDarkenedPattern(d.desktop().screenshot(), 2), QString());

    // A grab right after hiding can still hold part of the tint: every capture must be exact.
    // The captures follow each other closely: the last one's notice must not be in the next.
    const std::vector<QRect> areas{{301, 201, 400, 300}, {1001, 101, 800, 700}, {51, 601, 120, 90}};
    QImage previous;
    for (const QRect& a : areas) {
        if (!previous.isNull()) {
            ASSERT_TRUE(waitUntil([&] { return d.mainVisible(); }));
            d.clickCapture();
            ASSERT_TRUE(d.waitForOverlay());
            QThread::msleep(200);
        }
        d.drag(a.topLeft() - QPoint(1, 1), a.bottomRight());
        const QImage copy = d.waitForNewClipboard(previous);
        ASSERT_EQ(copy.size(), a.size());
        const QString diff = differenceFromPattern(copy, a.topLeft(), d.screen());
        EXPECT_TRUE(diff.isEmpty()) << diff.toStdString();
        previous = copy;
    }
}

TEST(CaptureDesktop, EditActionOpensTheEditorWithTheCaptureOnItsCanvas) {
    CaptureDesktop d;
    ASSERT_TRUE(d.startProgram());
    d.clickCapture();
    ASSERT_TRUE(d.waitForOverlay());
    d.drag({300, 200}, {400, 250});

    const auto editor = d.program().waitForWindow("Lumacap", 5000);
    ASSERT_TRUE(editor);
    ASSERT_NE(*editor, d.mainId());
    EXPECT_FALSE(d.mainVisible());
    // 4000 twips wide: the client is 4000 - 120 twips of border, 259 pixels.
    const QRect client = windowInfo(d.desktop(), *editor).geometry;
    EXPECT_EQ(client.width(), 259);

    // The canvas shows the capture at 1:1 somewhere in the editor: find its first pixel there,
    // then the whole block must be the pattern's area one pixel inside the press point.
    QThread::msleep(300);
    const QImage shot = d.desktop().screenshot().copy(client);
    std::optional<QPoint> at;
    for (int y = 0; y < shot.height() && !at; ++y) {
        for (int x = 0; x < shot.width() && !at; ++x) {
            if ((shot.pixel(x, y) | 0xff000000u) == test_pattern::at(301, 201)) {
                at = QPoint(x, y);
            }
        }
    }
    ASSERT_TRUE(at) << "the capture is not on the editor's canvas";
    EXPECT_EQ(differenceFromPattern(shot.copy(QRect(*at, QSize(100, 50))), {301, 201}, d.screen()),
              QString());

    // Closing the editor brings the main window back.
    d.desktop().run("xdotool", {"windowactivate", "--sync", *editor});
    d.key("alt+F4");
    EXPECT_TRUE(waitUntil([&] { return d.mainVisible(); }));
}

}  // namespace
