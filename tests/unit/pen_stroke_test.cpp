// Freehand segments: where they end for the modifier keys, and what they leave in the picture.
#include "editor/pen_stroke.h"

#include <gtest/gtest.h>

#include <QImage>

#include "editor/fill/border_fill.h"

namespace {

using pen_stroke::drawSegment;
using pen_stroke::strokeEnd;

QImage blank(int w = 20, int h = 20) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QRect inkBounds(const QImage& image, QRgb ink, int* count = nullptr) {
    QRect r;
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == ink) {
                r |= QRect(x, y, 1, 1);
                ++n;
            }
        }
    }
    if (count) {
        *count = n;
    }
    return r;
}

TEST(PenStroke, ShiftKeepsTheHeightCtrlTheColumnShiftWinsOverCtrl) {
    const QPoint last(10, 20), pointer(30, 45);
    EXPECT_EQ(strokeEnd(last, pointer, Qt::NoModifier), pointer);
    EXPECT_EQ(strokeEnd(last, pointer, Qt::ShiftModifier), QPoint(30, 20));
    EXPECT_EQ(strokeEnd(last, pointer, Qt::ControlModifier), QPoint(10, 45));
    EXPECT_EQ(strokeEnd(last, pointer, Qt::ShiftModifier | Qt::ControlModifier), QPoint(30, 20));
    EXPECT_EQ(strokeEnd(last, pointer, Qt::AltModifier), pointer);
}

TEST(PenStroke, AClickWithoutMovingLeavesARoundDotOfThePenWidth) {
    for (int width : {1, 2, 3, 4, 5, 8}) {
        QImage image = blank();
        drawSegment(image, {10, 10}, {10, 10}, Qt::red, width);
        int count = 0;
        const QRect box = inkBounds(image, qRgb(255, 0, 0), &count);
        EXPECT_EQ(box.size(), QSize(width, width)) << width;
        EXPECT_TRUE(box.contains(10, 10)) << width;
        if (width >= 4) {
            // Round: the corners stay free.
            EXPECT_EQ(image.pixel(box.topLeft()), qRgb(255, 255, 255)) << width;
            EXPECT_LT(count, width * width) << width;
        } else {
            EXPECT_EQ(count, width * width) << width;
        }
    }
}

TEST(PenStroke, SegmentsAreSolidInExactlyTheColourWithRoundEnds) {
    QImage image = blank(30, 20);
    drawSegment(image, {5, 10}, {20, 10}, QColor(12, 34, 56), 1);
    int count = 0;
    EXPECT_EQ(inkBounds(image, qRgb(12, 34, 56), &count), QRect(5, 10, 16, 1));
    EXPECT_EQ(count, 16);

    image = blank(30, 20);
    drawSegment(image, {5, 10}, {20, 10}, Qt::blue, 5);
    // Five pixels thick along the line, and the round pen reaches past each end by two.
    EXPECT_EQ(inkBounds(image, qRgb(0, 0, 255)), QRect(3, 8, 20, 5));
    EXPECT_EQ(image.pixel(3, 8), qRgb(255, 255, 255));
    for (int y = 8; y <= 12; ++y) {
        EXPECT_EQ(image.pixel(12, y), qRgb(0, 0, 255)) << y;
    }
}

TEST(PenStroke, AThinClosedOutlineHoldsABorderFill) {
    QImage image = blank(40, 40);
    const QPoint corners[] = {{20, 2}, {37, 20}, {20, 37}, {3, 20}};  // a diamond: all diagonal
    for (int i = 0; i < 4; ++i) {
        drawSegment(image, corners[i], corners[(i + 1) % 4], Qt::black, 1);
    }
    borderFill(image, {20, 20}, Qt::green, Qt::black);
    EXPECT_EQ(image.pixel(20, 20), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(1, 1), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(38, 38), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(3, 3), qRgb(255, 255, 255));
}

TEST(PenStroke, PartsOutsideThePictureAreDropped) {
    QImage image = blank(10, 10);
    drawSegment(image, {-50, 5}, {60, 5}, Qt::black, 3);
    drawSegment(image, {-5, -5}, {-5, -5}, Qt::black, 4);
    EXPECT_EQ(inkBounds(image, qRgb(0, 0, 0)), QRect(0, 4, 10, 3));

    QImage other(10, 10, QImage::Format_RGB888);  // not a 32-bit picture
    other.fill(Qt::white);
    drawSegment(other, {2, 2}, {7, 2}, Qt::red, 1);
    EXPECT_EQ(other.pixelColor(4, 2), QColor(Qt::red));
    EXPECT_EQ(other.pixelColor(4, 3), QColor(Qt::white));
}

}  // namespace
