// A sticker dragged from the panel onto the canvas with the real pointer, checked in the
// picture the editor copies to the clipboard.
#include <gtest/gtest.h>

#include <QPainter>
#include <QThread>
#include <optional>

#include "desktop/capture_desktop.h"
#include "editor/canvas_stamp.h"
#include "editor/sticker_pictures.h"
#include "support/test_pattern.h"
#include "ui/pictures.h"

namespace {

// Where `needle` lies in `haystack`, pixel for pixel; nullopt when nowhere.
std::optional<QPoint> find(const QImage& haystack, const QImage& needle) {
    const QImage h = haystack.convertToFormat(QImage::Format_RGB32);
    const QImage n = needle.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y + n.height() <= h.height(); ++y) {
        for (int x = 0; x + n.width() <= h.width(); ++x) {
            bool same = true;
            for (int j = 0; j < n.height() && same; ++j) {
                for (int i = 0; i < n.width() && same; ++i) {
                    same = h.pixel(x + i, y + j) == n.pixel(i, j);
                }
            }
            if (same) {
                return QPoint(x, y);
            }
        }
    }
    return std::nullopt;
}

// A toolbar picture as it shows on the toolbar's white background.
QImage onWhite(const QPixmap& picture) {
    QImage img(picture.size(), QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter(&img).drawPixmap(0, 0, picture);
    return img;
}

TEST(StickerDesktop, AStickerDraggedOntoTheCanvasIsInTheCopiedPicture) {
    CaptureDesktop d;
    ASSERT_TRUE(d.startProgram());
    d.clickCapture();
    ASSERT_TRUE(d.waitForOverlay());
    d.drag({300, 200}, {600, 400});  // the pattern from (301, 201), 300 x 200
    const auto editor = d.program().waitForWindow("Lumacap", 5000);
    ASSERT_TRUE(editor);
    ASSERT_NE(*editor, d.mainId());
    QThread::msleep(300);
    const QRect client = windowInfo(d.desktop(), *editor).geometry;

    // The canvas by its first pixel, the toolbar by the sticker button's picture.
    QImage shot = d.desktop().screenshot().copy(client);
    QImage corner(2, 2, QImage::Format_RGB32);
    for (int j = 0; j < 2; ++j) {
        for (int i = 0; i < 2; ++i) {
            corner.setPixel(i, j, test_pattern::at(301 + i, 201 + j));
        }
    }
    const auto canvasAt = find(shot, corner);
    ASSERT_TRUE(canvasAt) << "the capture is not on the canvas";
    const auto iconsAt = find(shot, onWhite(pictures::button(QStringLiteral("stickers"), 14)));
    ASSERT_TRUE(iconsAt) << "no sticker button on the toolbar";
    d.click(client.topLeft() + *iconsAt + QPoint(7, 7));
    QThread::msleep(300);

    // The panel stands where the toolbar was: btnIcons at 855 twips, ImgFim1 at 600, 30.
    const QPoint panel = client.topLeft() + *iconsAt - QPoint(57, 0);
    const QPoint grab(7, 7);  // the centre of the 14-pixel sticker
    const QPoint from = panel + QPoint(40, 2) + grab;
    const QPoint drop = client.topLeft() + *canvasAt + QPoint(150, 100);
    auto xy = [](QPoint p) { return QStringList{QString::number(p.x()), QString::number(p.y())}; };
    d.desktop().run("xdotool", QStringList{"mousemove"} << xy(from) << "mousedown"
                                                        << "1");
    QThread::msleep(100);
    for (int step = 1; step <= 4; ++step) {
        d.pointerTo(from + (drop - from) * step / 4);
        QThread::msleep(50);
    }
    d.desktop().run("xdotool", {"mouseup", "1"});
    QThread::msleep(300);
    d.key("ctrl+c");
    const QImage copy = d.waitForNewClipboard(QImage());
    ASSERT_EQ(copy.size(), QSize(300, 200));

    QImage expected = test_pattern::make(QSize(601, 401)).copy(301, 201, 300, 200);
    const QImage sticker =
        sticker_pictures::load(d.program().folder().path(), sticker_pictures::fileName(1));
    ASSERT_NE(sticker, sticker_pictures::iconDefault());
    canvas_stamp::paintPicture(expected, sticker, QRect(QPoint(150, 100) - grab, QSize(22, 22)));
    EXPECT_EQ(copy, expected);
}

}  // namespace
