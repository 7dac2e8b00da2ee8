// The canvas tools driven from outside on a captured test pattern: a rectangle chosen by its
// letter key, an ellipse by its button, a pixelated area by key again, checked pixel by pixel
// in the picture copied with Ctrl+C.
#include <gtest/gtest.h>

#include <QThread>
#include <optional>

#include "desktop/capture_desktop.h"
#include "desktop/screen_pictures.h"
#include "support/test_pattern.h"

namespace {

constexpr QRgb kBlack = 0xff000000;

TEST(CanvasToolsDesktop, ToolsChosenByKeyAndByButtonDrawOnTheCapture) {
    CaptureDesktop d;
    ASSERT_TRUE(d.startProgram());
    const QPoint origin(301, 201);
    const QSize size(400, 300);
    const std::optional<QPoint> canvas = d.captureIntoEditor({300, 200}, {700, 500});
    ASSERT_TRUE(canvas.has_value());
    auto at = [&](QPoint p) { return *canvas + p; };

    // The rectangle by its key: the canvas has the focus as the editor opens.
    d.key("r");
    QThread::msleep(100);
    d.drag(at({50, 40}), at({150, 120}));

    // The ellipse by its button in the second toolbar row.
    const QRect toolbar(canvas->x() - 200, canvas->y() - 45, size.width() + 400, 45);
    const auto ellipse = findTool(d.desktop().screenshot(), toolbar, toolPicture("ellipse"));
    ASSERT_TRUE(ellipse.has_value());
    d.click(*ellipse + QPoint(7, 7));
    ASSERT_TRUE(waitUntil([&] {
        return findTool(d.desktop().screenshot(), QRect(*ellipse - QPoint(2, 2), QSize(18, 18)),
                        toolPicture("ellipse", true))
            .has_value();
    })) << "the ellipse's button shows pressed";
    d.drag(at({200, 50}), at({350, 150}));

    // Pixelate by key, over an area starting on a block boundary of its own.
    d.key("p");
    QThread::msleep(100);
    d.drag(at({40, 200}), at({119, 263}));

    QThread::msleep(300);
    d.key("ctrl+c");
    const QImage copied = d.waitForNewClipboard(QImage()).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(copied.size(), size);
    auto pattern = [&](int x, int y) { return test_pattern::at(origin.x() + x, origin.y() + y); };

    // The rectangle's outline runs through both points' rows and columns, and nowhere else.
    for (int x = 50; x <= 150; ++x) {
        ASSERT_EQ(copied.pixel(x, 40), kBlack) << x;
        ASSERT_EQ(copied.pixel(x, 120), kBlack) << x;
    }
    for (int y = 40; y <= 120; ++y) {
        ASSERT_EQ(copied.pixel(50, y), kBlack) << y;
        ASSERT_EQ(copied.pixel(150, y), kBlack) << y;
    }
    for (const QPoint p : {QPoint(49, 40), QPoint(51, 41), QPoint(100, 80), QPoint(151, 120)}) {
        EXPECT_EQ(copied.pixel(p), pattern(p.x(), p.y())) << p.x() << "," << p.y();
    }
    // The ellipse touches the middle of its rectangle's sides, not its corners.
    for (const QPoint p : {QPoint(200, 100), QPoint(350, 100), QPoint(275, 50), QPoint(275, 150)}) {
        EXPECT_EQ(copied.pixel(p), kBlack) << p.x() << "," << p.y();
    }
    EXPECT_EQ(copied.pixel(200, 50), pattern(200, 50));
    EXPECT_EQ(copied.pixel(275, 100), pattern(275, 100));
    // Blocks of 8 from the area's corner, each one colour: the average of the pattern there.
    for (const QPoint block : {QPoint(40, 200), QPoint(112, 256)}) {
        int r = 0, g = 0, b = 0;
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) {
                const QRgb p = pattern(block.x() + x, block.y() + y);
                r += qRed(p), g += qGreen(p), b += qBlue(p);
            }
        }
        const QRgb average = qRgb((r + 32) / 64, (g + 32) / 64, (b + 32) / 64);
        for (const QPoint p : {QPoint(0, 0), QPoint(7, 0), QPoint(3, 5), QPoint(7, 7)}) {
            EXPECT_EQ(copied.pixel(block + p), average) << block.x() << "," << block.y();
        }
    }
    EXPECT_EQ(copied.pixel(120, 230), pattern(120, 230));
}

}  // namespace
