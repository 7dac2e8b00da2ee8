// Captures on a Wayland desktop with a second output at twice the density. sway 1.7 cannot take
// an output away again once made (its headless outputs fail to disable), so these tests run on
// a desktop of their own (label "wayland-outputs"), after the others.
#include <gtest/gtest.h>

#include "support/pattern_check.h"
#include "support/test_pattern.h"
#include "wayland/wayland_desktop.h"

// Readable failures.
void PrintTo(const QString& s, std::ostream* out) {
    *out << '"' << s.toStdString() << '"';
}

namespace {

const QSize kScreen(1920, 1080);

class WaylandOutputs : public ::testing::Test {
protected:
    void SetUp() override {
        if (!WaylandDesktop::available()) {
            GTEST_SKIP() << "not on a Wayland desktop (private_desktop.sh --wayland)";
        }
    }
};

// Pixels of a picture of the pattern on `screen` that the desktop drew at twice its density
// and the program brought back: right except next to the pattern's steps (every 256 pixels) and
// at the screen's edges, where the desktop's smoothing mixed in far-apart colours, or nothing.
QString differenceAwayFromSteps(const QImage& picture, QPoint origin, const QRect& screen) {
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QPoint s = origin + QPoint(x, y);
            const auto nearStep = [](int v) { return v % 256 == 0 || v % 256 == 255; };
            if (nearStep(s.x()) || nearStep(s.y()) || s.x() == screen.left() ||
                s.x() == screen.right() || s.y() == screen.top() || s.y() == screen.bottom()) {
                continue;
            }
            if ((picture.pixel(x, y) | 0xff000000u) != test_pattern::at(s.x(), s.y())) {
                return QStringLiteral("(%1,%2)").arg(x).arg(y);
            }
        }
    }
    return {};
}

TEST_F(WaylandOutputs, TwoOutputsTheSecondAtScale2AreEachCapturedAtTheirOwnPixels) {
    WaylandDesktop d;
    d.addOutput(QStringLiteral("resolution 2560x1440 position 1920 0 scale 2"));
    d.sway(QStringLiteral("focus output HEADLESS-1"));
    ASSERT_TRUE(waitUntil([&] { return d.outputs().size() == 2; }));
    d.showPattern();
    WaylandProgram p(d);
    ASSERT_TRUE(p.start());
    p.chooseCopy();

    // On the second screen (device pixels from 1920, 0 at twice the logical ones), ending on an
    // odd device pixel: from device (2500, 300) to (2601, 341).
    ASSERT_TRUE(p.markArea({2210, 150}, {2260.5, 170.5})) << p.describe().toStdString();
    const QImage fine = d.waitForNewClipboard(QImage());
    ASSERT_EQ(fine.size(), QSize(101, 41));
    const QRegion second(1920, 0, 2560, 1440);
    EXPECT_EQ(differenceFromPattern(fine, {2501, 301}, second), QString());

    // Across both, from device (1800, 100) on the first to (2080, 400) on the second: the
    // second screen's part exact; the first screen's part came at twice its density from the
    // desktop and is brought back to its own pixels.
    ASSERT_TRUE(p.waitForMainAlone());
    ASSERT_TRUE(p.markArea({1800, 100}, {2000, 200})) << p.describe().toStdString();
    const QImage across = d.waitForNewClipboard(fine);
    ASSERT_EQ(across.size(), QSize(280, 300));
    EXPECT_EQ(differenceFromPattern(across.copy(119, 0, 161, 300), {1920, 101}, second), QString());
    EXPECT_EQ(
        differenceAwayFromSteps(across.copy(0, 0, 119, 300), {1801, 101}, QRect({0, 0}, kScreen)),
        QString());
}

}  // namespace
