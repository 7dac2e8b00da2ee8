// Screens as they are, with the installed program on the coordinate pattern, checked pixel by
// pixel: high density (Xft.dpi 144, QT_SCALE_FACTOR=2), two monitors of different heights with
// the primary one on the right (Xorg with the dummy driver), and a Wayland session, where the
// program refuses to capture instead of delivering a black picture.
#include <gtest/gtest.h>

#include <QThread>

#include "desktop/capture_desktop.h"
#include "desktop/x_probe.h"
#include "support/test_pattern.h"

namespace {

constexpr QRgb kBlack = 0xff000000;
constexpr int kPanelRows = 40;  // the panel along the bottom of the primary screen

// Each channel of `got` is `base` plus 70 percent of the pattern's (within one step either
// way): the pattern seen through the overlay's black (base 0) or its white frame (base 76).
bool throughOverlay(QRgb got, QPoint at, int base) {
    const QRgb p = test_pattern::at(at.x(), at.y());
    const int pairs[3][2] = {
        {qRed(got), qRed(p)}, {qGreen(got), qGreen(p)}, {qBlue(got), qBlue(p)}};
    for (const auto& c : pairs) {
        if (std::abs(c[0] - (base + c[1] * 0.702)) > 1.5) {
            return false;
        }
    }
    return true;
}

// The program's message box: a dialog window of its own titled "Lumacap".
std::optional<QString> waitForMessageBox(CaptureDesktop& d) {
    std::optional<QString> box;
    waitUntil(
        [&] {
            for (const QString& id : d.shownWindows()) {
                if (id != d.mainId() &&
                    property(d.desktop(), id, "_NET_WM_WINDOW_TYPE").contains("DIALOG")) {
                    box = id;
                }
            }
            return box.has_value();
        },
        5000);
    return box;
}

struct Density {
    const char* name;
    int dpi;
    const char* qtScale;
    bool compositor;
};

void PrintTo(const Density& d, std::ostream* out) {
    *out << d.name;
}

class HighDensityDesktop : public testing::TestWithParam<Density> {};

TEST_P(HighDensityDesktop, AreaFixedAndWholeScreenCapturesHoldTheDevicePixels) {
    const Density& p = GetParam();
    CaptureDesktop d(
        DesktopOptions{.compositor = p.compositor, .dpi = p.dpi, .qtScale = p.qtScale});
    d.program().folder().setField("fixWidth", "200");
    d.program().folder().setField("fixHeight", "100");
    ASSERT_TRUE(d.startProgram());
    d.chooseCopy();
    QImage last;
    // The next copy: `size` pixels of the pattern from `origin`; then the main window is back.
    auto expectCopy = [&](QSize size, QPoint origin, int ignoreFromY) {
        last = d.waitForNewClipboard(last);
        ASSERT_EQ(last.size(), size);
        EXPECT_EQ(differenceFromPattern(last, origin, d.screen(), ignoreFromY), QString());
        ASSERT_TRUE(d.waitForOverlayGone());
        ASSERT_TRUE(waitUntil([&] { return d.mainVisible(); }));
    };

    // A drag over device pixels 201..601 x 151..451 (odd: between logical pixels at either
    // density): while it is held the frame's lines run through exactly those pixels, over the
    // screen's own picture.
    d.clickCapture();
    ASSERT_TRUE(d.waitForOverlay());
    QThread::msleep(300);
    d.desktop().run("xdotool", {"mousemove", "201", "151", "mousedown", "1", "mousemove", "400",
                                "300", "mousemove", "601", "451"});
    QThread::msleep(400);
    const QImage held = d.desktop().screenshot();
    for (const QPoint on :
         {QPoint(201, 300), QPoint(601, 300), QPoint(400, 151), QPoint(400, 451)}) {
        EXPECT_TRUE(throughOverlay(held.pixel(on), on, 76)) << on.x() << "," << on.y();
    }
    for (const QPoint off : {QPoint(200, 300), QPoint(202, 300), QPoint(600, 300), QPoint(602, 300),
                             QPoint(400, 150), QPoint(400, 152), QPoint(1234, 777), QPoint(3, 5)}) {
        EXPECT_TRUE(throughOverlay(held.pixel(off), off, 0)) << off.x() << "," << off.y();
    }
    d.desktop().run("xdotool", {"mouseup", "1"});
    expectCopy({400, 300}, {202, 152}, d.screen().height());

    // The fixed area is 200 x 100 device pixels around the pointer.
    d.chooseFixedArea();
    d.clickCapture();
    ASSERT_TRUE(d.waitForOverlay());
    d.pointerTo({804, 504});
    d.click({801, 501});
    expectCopy({200, 100}, {702, 452}, d.screen().height());

    // The whole screen at its full resolution.
    d.chooseWholeScreen();
    d.clickCapture();
    expectCopy(d.screen(), {0, 0}, d.screen().height() - kPanelRows);
}

INSTANTIATE_TEST_SUITE_P(Densities, HighDensityDesktop,
                         testing::Values(Density{"Dpi144", 144, "", false},
                                         Density{"Dpi144Compositor", 144, "", true},
                                         Density{"QtScale2", 0, "2", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HighDensityEditorDesktop, TheCanvasShowsDevicePixelsAndThePenDrawsUnderThePointer) {
    CaptureDesktop d(DesktopOptions{.dpi = 144});
    ASSERT_TRUE(d.startProgram());
    // One picture pixel per device pixel: the whole capture is on the screen as it was taken.
    const std::optional<QPoint> canvas = d.captureIntoEditor({300, 200}, {700, 500});
    ASSERT_TRUE(canvas);
    const QPoint origin(301, 201);
    const QSize size(400, 300);
    EXPECT_EQ(differenceFromPattern(d.desktop().screenshot().copy(QRect(*canvas, size)), origin,
                                    d.screen()),
              QString());

    // A dot and a short line, at the device pixels under the pointer.
    const QPoint dot(123, 77);
    d.click(*canvas + dot);
    d.drag(*canvas + QPoint(40, 200), *canvas + QPoint(90, 200));
    QThread::msleep(300);
    d.key("ctrl+c");
    const QImage copy = d.waitForNewClipboard(QImage());
    ASSERT_EQ(copy.size(), size);
    int wrong = 0;
    QString first;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const bool drawn = QPoint(x, y) == dot || (y == 200 && x >= 40 && x <= 90);
            const QRgb want = drawn ? kBlack : test_pattern::at(origin.x() + x, origin.y() + y);
            if (copy.pixel(x, y) != want && wrong++ == 0) {
                first = QStringLiteral("(%1,%2)").arg(x).arg(y);
            }
        }
    }
    EXPECT_EQ(wrong, 0) << "first at " << first.toStdString();
}

// Two monitors of different heights, the primary one on the right and lower: above and below it
// lies desktop that no monitor shows.
const std::vector<QRect> kTwoMonitors{{1280, 128, 1024, 768}, {0, 0, 1280, 1024}};

struct Layout {
    const char* name;
    bool compositor;
    const char* screenScales;
};

void PrintTo(const Layout& l, std::ostream* out) {
    *out << l.name;
}

class TwoMonitorsDesktop : public testing::TestWithParam<Layout> {};

TEST_P(TwoMonitorsDesktop, DragsAcrossAndOnTheSecondMonitorGiveTheirExactPixels) {
    CaptureDesktop d(DesktopOptions{.compositor = GetParam().compositor,
                                    .screenScales = GetParam().screenScales,
                                    .monitors = kTwoMonitors});
    ASSERT_TRUE(d.startProgram());
    d.chooseCopy();

    // No capture starts where no monitor shows the desktop.
    d.clickCapture();
    ASSERT_TRUE(d.waitForOverlay());
    d.drag({1500, 60}, {1700, 100});
    QThread::msleep(500);
    EXPECT_TRUE(d.waitForOverlay(100));
    EXPECT_TRUE(d.clipboard().isNull());
    d.key("Escape");
    ASSERT_TRUE(d.waitForOverlayGone());
    ASSERT_TRUE(waitUntil([&] { return d.mainVisible(); }));

    struct Drag {
        QPoint from, to, origin;
        QSize size;
    };
    const std::vector<Drag> drags{
        // From the second monitor onto the primary, past its top edge.
        {{1100, 100}, {1500, 400}, {1101, 101}, {400, 300}},
        // From the second monitor to below the primary, where no monitor shows anything.
        {{1000, 900}, {1400, 1000}, {1001, 901}, {400, 100}},
        // On the second monitor.
        {{100, 600}, {400, 900}, {101, 601}, {300, 300}},
    };
    QImage previous;
    for (const Drag& drag : drags) {
        d.clickCapture();
        ASSERT_TRUE(d.waitForOverlay());  // a window on each monitor
        QThread::msleep(200);
        d.drag(drag.from, drag.to);
        const QImage copy = d.waitForNewClipboard(previous);
        ASSERT_EQ(copy.size(), drag.size);
        EXPECT_EQ(differenceFromPattern(copy, drag.origin, d.shown()), QString());
        ASSERT_TRUE(d.waitForOverlayGone());
        ASSERT_TRUE(waitUntil([&] { return d.mainVisible(); }));
        previous = copy;
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, TwoMonitorsDesktop,
                         testing::Values(Layout{"NoCompositor", false, ""},
                                         Layout{"Compositor", true, ""},
                                         Layout{"PrimaryAtScale2", false, "M0=2;M1=1"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TwoMonitorsScreenDesktop, TelaTakesTheScreenWhoseButtonWasPressedAndTheEditorOpensThere) {
    CaptureDesktop d(DesktopOptions{.monitors = kTwoMonitors});
    ASSERT_TRUE(d.startProgram());
    const QRect primary = kTwoMonitors[0];
    const QRect second = kTwoMonitors[1];
    ASSERT_TRUE(primary.contains(d.mainClient()));
    d.chooseWholeScreen();
    d.chooseCopy();

    d.clickCapture();
    QImage copy = d.waitForNewClipboard(QImage());
    ASSERT_EQ(copy.size(), primary.size());
    EXPECT_EQ(differenceFromPattern(copy, primary.topLeft(), d.shown(),
                                    primary.bottom() + 1 - kPanelRows),
              QString());
    ASSERT_TRUE(waitUntil([&] { return d.mainVisible(); }));

    // The main window moved onto the second monitor: its button captures that one.
    d.desktop().run("xdotool", {"windowmove", d.mainId(), "300", "400"});
    ASSERT_TRUE(waitUntil([&] { return second.contains(d.mainClient()); }));
    QThread::msleep(1200);  // the last notice has gone
    d.clickCapture();
    const QImage previous = copy;
    copy = d.waitForNewClipboard(previous);
    ASSERT_EQ(copy.size(), second.size());
    EXPECT_EQ(differenceFromPattern(copy, second.topLeft(), d.shown()), QString());
    ASSERT_TRUE(waitUntil([&] { return d.mainVisible(); }));

    // Edited, the capture opens in an editor that lies on that monitor, whole.
    QThread::msleep(1200);
    d.chooseEdit();
    d.clickCapture();
    std::optional<QString> editor;
    ASSERT_TRUE(waitUntil([&] {
        for (const QString& id : d.shownWindows()) {
            if (id != d.mainId()) {
                editor = id;
            }
        }
        return editor.has_value();
    }));
    QThread::msleep(500);
    const QRect client = windowInfo(d.desktop(), *editor).geometry;
    EXPECT_TRUE(second.contains(client))
        << client.x() << "," << client.y() << " " << client.width() << "x" << client.height();
}

TEST(WaylandSessionDesktop, CapturesAreRefusedWithAMessageAndNothingIsCaptured) {
    CaptureDesktop d;
    d.program().setEnvironment(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
    ASSERT_TRUE(d.startProgram());
    d.chooseCopy();
    for (const bool whole : {false, true}) {
        if (whole) {
            d.chooseWholeScreen();
        }
        d.clickCapture();
        const auto box = waitForMessageBox(d);
        ASSERT_TRUE(box) << (whole ? "whole screen" : "selection");
        EXPECT_FALSE(d.waitForOverlay(500));
        EXPECT_TRUE(d.mainVisible());
        d.desktop().run("xdotool", {"windowactivate", "--sync", *box});
        d.key("Return");
        ASSERT_TRUE(waitUntil([&] { return !d.shownWindows().contains(*box); }));
    }
    QThread::msleep(300);
    EXPECT_TRUE(d.clipboard().isNull());
    EXPECT_EQ(d.shownWindows(), QStringList{d.mainId()});
}

}  // namespace
