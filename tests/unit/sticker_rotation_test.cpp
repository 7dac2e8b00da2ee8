// Quarter turns of sticker pictures.
#include "editor/sticker_rotation.h"

#include <gtest/gtest.h>

#include <QImage>

namespace {

using sticker_rotation::turnClockwiseInPlace;
using sticker_rotation::turnedClockwise;

// Every pixel different, so a pixel in the wrong place cannot go unnoticed.
QImage numbered(int w, int h, QImage::Format format = QImage::Format_ARGB32) {
    QImage img(w, h, format);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            img.setPixel(x, y, qRgba(x * 20 + 1, y * 20 + 1, (x * 7 + y * 13) % 256, 255));
        }
    }
    return img;
}

// Checks that `turned` is `source` turned a quarter clockwise, pixel by pixel.
void expectTurnOf(const QImage& source, const QImage& turned) {
    ASSERT_EQ(turned.width(), source.height());
    ASSERT_EQ(turned.height(), source.width());
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            ASSERT_EQ(turned.pixel(source.height() - 1 - y, x), source.pixel(x, y))
                << "source pixel " << x << "," << y;
        }
    }
}

TEST(StickerRotation, EveryPixelLandsWhereAClockwiseTurnPutsIt) {
    for (const QSize size : {QSize(5, 3), QSize(3, 5), QSize(1, 4), QSize(22, 22), QSize(7, 7)}) {
        SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height());
        const QImage source = numbered(size.width(), size.height());
        expectTurnOf(source, turnedClockwise(source));
    }
    // The top-left corner goes to the top-right: clockwise, not counter-clockwise.
    QImage corner(4, 2, QImage::Format_RGB32);
    corner.fill(Qt::white);
    corner.setPixel(0, 0, qRgb(255, 0, 0));
    const QImage turned = turnedClockwise(corner);
    EXPECT_EQ(turned.pixel(1, 0), qRgb(255, 0, 0));
    EXPECT_EQ(turned.pixel(0, 0), qRgb(255, 255, 255));
}

TEST(StickerRotation, SameSurfaceGivesTheTurnedPictureNotASmearedOne) {
    for (int n = 1; n <= 9; ++n) {
        SCOPED_TRACE(n);
        const QImage source = numbered(n, n);
        QImage surface = source.copy();
        const uchar* bits = surface.constBits();
        turnClockwiseInPlace(surface);
        EXPECT_EQ(surface.constBits(), bits) << "a square is turned in its own memory";
        expectTurnOf(source, surface);
    }
    const QImage wide = numbered(6, 2);
    QImage surface = wide;
    turnClockwiseInPlace(surface);
    expectTurnOf(wide, surface);
}

TEST(StickerRotation, FourTurnsGiveTheOriginalBack) {
    for (const QSize size : {QSize(22, 22), QSize(9, 4)}) {
        const QImage source = numbered(size.width(), size.height());
        QImage copyTurned = source;
        QImage inPlace = source.copy();
        for (int i = 0; i < 4; ++i) {
            copyTurned = turnedClockwise(copyTurned);
            turnClockwiseInPlace(inPlace);
            if (i < 3) {
                EXPECT_NE(copyTurned, source);
            }
        }
        EXPECT_EQ(copyTurned, source);
        EXPECT_EQ(inPlace, source);
    }
}

TEST(StickerRotation, IndexedPictureKeepsItsTransparencyAndNullStaysNull) {
    QImage gif(3, 2, QImage::Format_Indexed8);
    gif.setColorTable({qRgba(0, 0, 0, 0), qRgb(10, 200, 30)});
    gif.fill(0);
    gif.setPixel(0, 1, 1);
    QImage turned = turnedClockwise(gif);
    EXPECT_EQ(qAlpha(turned.pixel(0, 0)), 255);  // (0, 1) lands at (h-1-1, 0) = (0, 0)
    EXPECT_EQ(turned.pixel(0, 0), qRgb(10, 200, 30));
    EXPECT_EQ(qAlpha(turned.pixel(1, 2)), 0);
    turnClockwiseInPlace(gif);
    EXPECT_EQ(gif.size(), QSize(2, 3));
    EXPECT_EQ(gif.pixel(0, 0), qRgb(10, 200, 30));

    QImage none;
    EXPECT_TRUE(turnedClockwise(none).isNull());
    turnClockwiseInPlace(none);
    EXPECT_TRUE(none.isNull());
}

}  // namespace
