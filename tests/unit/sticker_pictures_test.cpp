// The sticker pictures shipped in IMG/ and the stand-by picture for unusable files.
#include "editor/sticker_pictures.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

using namespace sticker_pictures;

int countAlpha(const QImage& image, bool opaque) {
    const QImage img = image.convertToFormat(QImage::Format_ARGB32);
    int n = 0;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            n += (qAlpha(img.pixel(x, y)) == 255) == opaque ? 1 : 0;
        }
    }
    return n;
}

TEST(StickerPictures, NineShippedStickersAreDistinctSmallPicturesWithTransparentCorners) {
    const QString dataDir = QStringLiteral(LUMACAP_DATA_DIR);
    const QImage standBy = iconDefault().convertToFormat(QImage::Format_ARGB32);
    QList<QImage> seen;
    for (int i = 1; i <= kStickerCount; ++i) {
        SCOPED_TRACE(i);
        ASSERT_TRUE(QFile::exists(dataDir + "/IMG/" + fileName(i)));
        const QImage img = load(dataDir, fileName(i)).convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(img.size(), QSize(22, 22));
        EXPECT_NE(img, standBy);
        EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0);
        EXPECT_GT(countAlpha(img, true), 22 * 22 / 4) << "mostly empty";
        EXPECT_FALSE(seen.contains(img)) << "same picture twice";
        seen << img;
    }
    EXPECT_EQ(fileName(7), "icone-07.gif");
}

TEST(StickerPictures, MissingOrUnreadableFilesGiveTheStandByPicture) {
    const QImage standBy = iconDefault();
    ASSERT_EQ(standBy.size(), QSize(22, 22));
    EXPECT_GT(countAlpha(standBy, true), 50);
    EXPECT_GT(countAlpha(standBy, false), 0);

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_EQ(load(dir.path(), fileName(1)), standBy) << "no IMG folder";

    QDir(dir.path()).mkpath("IMG/icone-04.gif");  // a folder where the file should be
    QFile garbage(dir.path() + "/IMG/icone-02.gif");
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write("GIF89a this is not a picture");
    garbage.close();
    QFile empty(dir.path() + "/IMG/icone-03.gif");
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    for (int i : {1, 2, 3, 4}) {
        SCOPED_TRACE(i);
        EXPECT_EQ(load(dir.path(), fileName(i)), standBy);
    }

    // A readable picture is taken as it is, whatever its size (Qt writes no GIF: a PNG inside).
    QImage own(5, 3, QImage::Format_ARGB32);
    own.fill(qRgb(1, 2, 3));
    ASSERT_TRUE(own.save(dir.path() + "/IMG/icone-05.gif", "PNG"));
    const QImage loaded = load(dir.path(), fileName(5));
    EXPECT_EQ(loaded.size(), QSize(5, 3));
    EXPECT_EQ(loaded.pixel(4, 2), qRgb(1, 2, 3));
}

}  // namespace
