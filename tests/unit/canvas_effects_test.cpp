// What the pixelate, marker and number tools leave in the picture, pixel by pixel.
#include <gtest/gtest.h>

#include <QImage>

#include "editor/shapes/marker.h"
#include "editor/shapes/number_stamp.h"
#include "editor/shapes/pixelate.h"
#include "editor/shapes/shape_runs.h"

namespace {

QImage filled(QSize size, QRgb colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

TEST(Pixelate, BlocksFromTheAreasCornerTakeTheRoundedAverageAlsoWhenCut) {
    // Columns alternate between two greys; one odd pixel in the first block.
    QImage image(30, 20, QImage::Format_RGB32);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 30; ++x) {
            image.setPixel(x, y, x % 2 ? qRgb(10, 20, 30) : qRgb(11, 200, 31));
        }
    }
    image.setPixel(3, 2, qRgb(255, 20, 30));
    const QImage before = image;
    const QRect area(3, 2, 19, 10);  // blocks of 8: columns 3-10, 11-18, 19-21; rows 2-9, 10-11
    pixelate::apply(image, area);

    // First block: 32 of each grey, the odd pixel in place of one of the first: red
    // (31 * 10 + 255 + 32 * 11) / 64 = 14.3 -> 14, green 110, blue 30.5 -> 31 (halves up).
    for (const QPoint p : {QPoint(3, 2), QPoint(10, 9), QPoint(7, 5)}) {
        EXPECT_EQ(image.pixel(p), qRgb(14, 110, 31)) << p.x() << "," << p.y();
    }
    EXPECT_EQ(image.pixel(11, 10), qRgb(11, 110, 31));  // 8 of each: 10.5 -> 11
    // A block cut by the right edge (columns 19, 20, 21) and the bottom (rows 10, 11): four
    // pixels of the odd columns' grey and two of the other.
    EXPECT_EQ(image.pixel(19, 10), qRgb(10, 80, 30));
    EXPECT_EQ(image.pixel(21, 11), qRgb(10, 80, 30));
    // Outside the area nothing changed.
    for (const QPoint p : {QPoint(2, 2), QPoint(22, 5), QPoint(5, 1), QPoint(5, 12)}) {
        EXPECT_EQ(image.pixel(p), before.pixel(p)) << p.x() << "," << p.y();
    }
    // An area past the picture is clipped to it.
    QImage edge = filled({5, 5}, qRgb(40, 40, 40));
    pixelate::apply(edge, QRect(-10, -10, 100, 100));
    EXPECT_EQ(edge, filled({5, 5}, qRgb(40, 40, 40)));
}

TEST(Marker, MultipliesByTheTintOnceWhereTheStrokeCrossesItself) {
    const QColor yellow(255, 255, 0);
    EXPECT_EQ(marker::tint(yellow), QColor(255, 255, 153));  // 40% of the way from white
    EXPECT_EQ(marker::strokeWidth(1), 12);
    EXPECT_GT(marker::strokeWidth(3), marker::strokeWidth(1));

    QImage image(10, 3, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(1, 1, qRgb(0, 0, 0));
    image.setPixel(2, 1, qRgb(100, 200, 50));
    // Two runs over the same pixels: one mask, applied once.
    PixelRuns mask{{1, 1, 5}, {1, 3, 8}};
    pixel_runs::normalise(mask);
    marker::apply(image, mask, yellow);
    EXPECT_EQ(image.pixel(0, 1), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(1, 1), qRgb(0, 0, 0));  // dark stays dark
    EXPECT_EQ(image.pixel(2, 1), qRgb(100, 200, 30));
    EXPECT_EQ(image.pixel(4, 1), qRgb(255, 255, 153));
    EXPECT_EQ(image.pixel(8, 1), qRgb(255, 255, 153));
    EXPECT_EQ(image.pixel(9, 1), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(4, 0), qRgb(255, 255, 255));
}

TEST(NumberStamp, ADiscCentredOnTheClickWithALegibleNumber) {
    EXPECT_EQ(number_stamp::diameter(1), 22);
    EXPECT_EQ(number_stamp::area({100, 50}, 1), QRect(90, 40, 22, 22));
    EXPECT_EQ(number_stamp::numberColour(Qt::red), QColor(Qt::white));
    EXPECT_EQ(number_stamp::numberColour(Qt::black), QColor(Qt::white));
    EXPECT_EQ(number_stamp::numberColour(QColor(255, 255, 0)), QColor(Qt::black));
    EXPECT_EQ(number_stamp::numberColour(Qt::white), QColor(Qt::black));

    QImage image = filled({200, 100}, qRgb(0, 128, 0));
    const QImage before = image;
    number_stamp::stamp(image, {100, 50}, 7, Qt::blue, 1);
    // The disc's ends on its middle row and column, in exactly the stroke colour.
    for (const QPoint p : {QPoint(90, 50), QPoint(111, 50), QPoint(100, 40), QPoint(100, 61)}) {
        EXPECT_EQ(image.pixel(p), qRgb(0, 0, 255)) << p.x() << "," << p.y();
    }
    // Outside the disc: its square's corners and beyond.
    for (const QPoint p : {QPoint(89, 50), QPoint(112, 50), QPoint(90, 40), QPoint(111, 61)}) {
        EXPECT_EQ(image.pixel(p), before.pixel(p)) << p.x() << "," << p.y();
    }
    // The number is white, in the middle.
    int white = 0;
    for (int y = 44; y < 57; ++y) {
        for (int x = 94; x < 107; ++x) {
            white += qRed(image.pixel(x, y)) > 200 && qBlue(image.pixel(x, y)) > 200;
        }
    }
    EXPECT_GT(white, 10);
}

}  // namespace
