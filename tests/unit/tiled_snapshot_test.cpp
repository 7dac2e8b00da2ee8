// Pictures kept as shared tiles: exact copies, shared where unchanged.
#include "editor/history/tiled_snapshot.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QRandomGenerator>

namespace {

QImage noise(int w, int h, quint32 start, QImage::Format f = QImage::Format_RGB32) {
    QImage img(w, h, QImage::Format_ARGB32);
    QRandomGenerator rng(start);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            img.setPixel(x, y, rng.generate());
        }
    }
    return img.convertToFormat(f);
}

TEST(TiledSnapshot, GivesBackExactlyThePictureAtEverySizeAndFormat) {
    const QSize sizes[] = {{1, 1}, {63, 65}, {64, 64}, {130, 7}, {7, 200}, {129, 129}};
    for (QImage::Format f : {QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_RGB888,
                             QImage::Format_Grayscale8}) {
        for (const QSize s : sizes) {
            SCOPED_TRACE(testing::Message() << s.width() << "x" << s.height() << " format " << f);
            const QImage img = noise(s.width(), s.height(), s.width() * 31 + s.height(), f);
            const TiledSnapshot snap = TiledSnapshot::take(img);
            EXPECT_EQ(snap.toImage(), img);
            EXPECT_TRUE(snap.matches(img));
            QImage target(img.size(), img.format());
            target.fill(0);
            ASSERT_TRUE(snap.writeInto(target));
            EXPECT_EQ(target, img);
        }
    }
}

TEST(TiledSnapshot, FirstCopyIsACopyAndDrawingOnThePictureLeavesItAlone) {
    QImage img = noise(100, 70, 5);
    const QImage before = img.copy();
    const TiledSnapshot snap = TiledSnapshot::take(img);
    // The picture keeps its buffer to itself: drawing on it later needs no copy.
    EXPECT_TRUE(img.isDetached());
    img.fill(Qt::black);
    img.setPixel(99, 69, 0xffffffff);
    EXPECT_EQ(snap.toImage(), before);
    EXPECT_TRUE(snap.matches(before));
    // The shared buffer counts once, not once per tile that lies in it.
    const auto bytes = static_cast<std::size_t>(before.sizeInBytes());
    EXPECT_GE(TiledSnapshot::bytesHeld({&snap}), bytes);
    EXPECT_LT(TiledSnapshot::bytesHeld({&snap}), 2 * bytes);
}

TEST(TiledSnapshot, IndexedPicturesAreKeptByTheirColours) {
    QImage mono(70, 9, QImage::Format_Mono);
    mono.fill(0);
    mono.setPixel(69, 8, 1);
    const QImage back = TiledSnapshot::take(mono).toImage();
    EXPECT_EQ(back.size(), mono.size());
    EXPECT_EQ(back.pixel(69, 8), mono.pixel(69, 8));
    EXPECT_EQ(back.pixel(0, 0), mono.pixel(0, 0));
}

TEST(TiledSnapshot, WritesOnlyIntoAPictureOfItsOwnSizeAndFormat) {
    const QImage img = noise(80, 40, 1);
    const TiledSnapshot snap = TiledSnapshot::take(img);
    QImage other(80, 41, QImage::Format_RGB32);
    other.fill(Qt::blue);
    const QImage untouched = other;
    EXPECT_FALSE(snap.writeInto(other));
    EXPECT_EQ(other, untouched);
    QImage otherFormat(80, 40, QImage::Format_RGB888);
    EXPECT_FALSE(snap.writeInto(otherFormat));
    EXPECT_FALSE(snap.matches(other));
    EXPECT_FALSE(TiledSnapshot().writeInto(other));
    EXPECT_TRUE(TiledSnapshot::take(QImage()).isNull());
}

TEST(TiledSnapshot, SharesUnchangedTilesWithItsBaseAndCopiesChangedOnes) {
    QImage img = noise(300, 200, 7);  // 5 x 4 tiles, the last column and row partial
    const TiledSnapshot first = TiledSnapshot::take(img);
    img.setPixel(299, 199, 0);  // in the last, partial tile
    img.setPixel(70, 10, 0);    // in tile (1, 0)
    const TiledSnapshot second = TiledSnapshot::take(img, &first);
    ASSERT_EQ(first.tileCount(), 20);
    int shared = 0;
    for (int i = 0; i < first.tileCount(); ++i) {
        shared += first.tileData(i) == second.tileData(i);
    }
    EXPECT_EQ(shared, 18);
    EXPECT_EQ(second.toImage(), img);
    EXPECT_FALSE(first.matches(img));

    const std::size_t one = TiledSnapshot::bytesHeld({&first});
    const std::size_t both = TiledSnapshot::bytesHeld({&first, &second});
    const std::size_t changedTiles = 64 * 64 * 4 + 44 * 8 * 4;
    const std::size_t perTile = (one - 300 * 200 * 4) / 20;
    EXPECT_EQ(both - one, changedTiles + 20 * perTile);
}

TEST(TiledSnapshot, BaseOfAnotherSizeSharesTheTilesThatStillLineUp) {
    QImage img = noise(128, 100, 3);
    const TiledSnapshot first = TiledSnapshot::take(img);
    QImage taller(128, 140, QImage::Format_RGB32);
    taller.fill(Qt::red);
    for (int y = 0; y < 100; ++y) {
        memcpy(taller.scanLine(y), img.constScanLine(y), img.bytesPerLine());
    }
    const TiledSnapshot second = TiledSnapshot::take(taller, &first);
    EXPECT_EQ(second.toImage(), taller);
    // Both strips of the shorter picture, the second cut at row 100, are shared; only the new
    // rows below are copied.
    for (int i = 0; i < first.tileCount(); ++i) {
        EXPECT_EQ(first.tileData(i), second.tileData(i)) << i;
    }
    EXPECT_EQ(TiledSnapshot::bytesHeld({&first, &second}) - TiledSnapshot::bytesHeld({&first}),
              40 * 128 * 4 + second.tileCount() * sizeof(QByteArray));
}

}  // namespace
