// Printing text and painting stickers into the canvas image.
#include "editor/canvas_stamp.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace {

using namespace canvas_stamp;

const QRgb kBackground = qRgb(0x20, 0x90, 0x40);

QImage canvas(int w = 200, int h = 80) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(kBackground);
    return img;
}

// The smallest rectangle holding every pixel that differs between the two pictures.
QRect changed(const QImage& before, const QImage& after) {
    QRect r;
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x) {
            if (before.pixel(x, y) != after.pixel(x, y)) {
                r |= QRect(x, y, 1, 1);
            }
        }
    }
    return r;
}

QFont arial(qreal points, bool bold = false) {
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

TEST(TextStamp, OnlyGlyphsChangeTheCanvasStartingAtThePrintPosition) {
    const QImage before = canvas();
    QImage after = before;
    printText(after, QPoint(30, 20), QStringLiteral("HHH"), arial(10), QColor(255, 0, 0));
    const QRect r = changed(before, after);
    ASSERT_FALSE(r.isNull());
    // The cell's top-left is the print position; an H sits a little inside it.
    EXPECT_GE(r.left(), 30);
    EXPECT_LE(r.left(), 33);
    EXPECT_GE(r.top(), 20);
    EXPECT_LE(r.top(), 25);
    // 10 points at 96 dots per inch: capitals about 9-10 pixels high (7 at 72 dpi).
    EXPECT_GE(r.height(), 9);
    EXPECT_LE(r.height(), 11);
    int pureRed = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb p = after.pixel(x, y);
            pureRed += p == qRgb(255, 0, 0) ? 1 : 0;
            EXPECT_LE(qBlue(p), qBlue(kBackground)) << "only a mix of background and stroke";
        }
    }
    EXPECT_GT(pureRed, 10) << "the stems of the letters are in the stroke colour";
}

TEST(TextStamp, FontSizeAndWeightAreTheOnesAskedFor) {
    const QImage before = canvas(400, 120);
    QImage small = before, big = before, bold = before;
    printText(small, QPoint(5, 5), QStringLiteral("Hello"), arial(10), Qt::black);
    printText(big, QPoint(5, 5), QStringLiteral("Hello"), arial(20), Qt::black);
    printText(bold, QPoint(5, 5), QStringLiteral("Hello"), arial(10, true), Qt::black);
    const QRect rs = changed(before, small), rb = changed(before, big);
    EXPECT_NEAR(rb.height(), 2 * rs.height(), 2);
    EXPECT_NE(small, bold);
    EXPECT_GT(changed(before, bold).width(), rs.width());
}

TEST(TextStamp, EmptyTextLeavesTheCanvasAndLinesStackDownwards) {
    const QImage before = canvas();
    QImage after = before;
    printText(after, QPoint(10, 10), QString(), arial(10), Qt::black);
    EXPECT_EQ(after, before);
    EXPECT_TRUE(renderText(QString(), arial(10), Qt::black).image.isNull());

    QImage one = before, two = before;
    printText(one, QPoint(10, 5), QStringLiteral("X"), arial(10), Qt::black);
    printText(two, QPoint(10, 5), QStringLiteral("X\nX"), arial(10), Qt::black);
    EXPECT_GT(changed(before, two).height(), 2 * changed(before, one).height());
}

TEST(StickerPaint, TransparentPixelsLeaveTheCanvasAndOpaqueOnesAreCopied) {
    QImage sticker(4, 4, QImage::Format_Indexed8);  // as a GIF with a transparent colour loads
    sticker.setColorTable({qRgba(0, 0, 0, 0), qRgb(250, 10, 10)});
    sticker.fill(0);
    sticker.setPixel(1, 1, 1);
    sticker.setPixel(2, 3, 1);

    QImage after = canvas(20, 20);
    paintPicture(after, sticker, QRect(5, 6, 4, 4));
    const QImage before = canvas(20, 20);
    EXPECT_EQ(changed(before, after), QRect(6, 7, 2, 3));
    EXPECT_EQ(after.pixel(6, 7), qRgb(250, 10, 10));
    EXPECT_EQ(after.pixel(7, 9), qRgb(250, 10, 10));
    EXPECT_EQ(after.pixel(7, 7), kBackground);

    // Stretched to twice the size, each pixel covers two by two.
    QImage stretched = canvas(20, 20);
    paintPicture(stretched, sticker, QRect(0, 0, 8, 8));
    EXPECT_EQ(changed(before, stretched), QRect(2, 2, 4, 6));
    EXPECT_EQ(stretched.pixel(3, 3), qRgb(250, 10, 10));
    EXPECT_EQ(stretched.pixel(4, 4), kBackground);

    // Nothing to paint, or nowhere to paint it: no change and no crash.
    QImage same = canvas(20, 20);
    paintPicture(same, QImage(), QRect(0, 0, 4, 4));
    paintPicture(same, sticker, QRect());
    EXPECT_EQ(same, before);
    QImage none;
    paintPicture(none, sticker, QRect(0, 0, 4, 4));
    EXPECT_TRUE(none.isNull());
}

}  // namespace
