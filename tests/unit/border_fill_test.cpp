// The border fill against a plain breadth-first reference on many random pictures.
#include "editor/fill/border_fill.h"

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <deque>
#include <limits>
#include <random>
#include <vector>

namespace {

// The obvious fill: visit every 4-neighbour that is not of the border colour, one pixel at a
// time, then paint what was reached.
qsizetype referenceFill(QImage& image, QPoint start, QRgb fill, QRgb border) {
    if (!image.rect().contains(start)) {
        return 0;
    }
    auto isBorder = [&](QPoint p) {
        return qRgb(qRed(image.pixel(p)), qGreen(image.pixel(p)), qBlue(image.pixel(p))) ==
               (border | 0xff000000u);
    };
    if (isBorder(start)) {
        return 0;
    }
    std::vector<char> seen(static_cast<size_t>(image.width() * image.height()), 0);
    std::deque<QPoint> queue{start};
    std::vector<QPoint> region;
    seen[start.y() * image.width() + start.x()] = 1;
    while (!queue.empty()) {
        const QPoint p = queue.front();
        queue.pop_front();
        region.push_back(p);
        for (QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint n = p + d;
            if (image.rect().contains(n) && !seen[n.y() * image.width() + n.x()] && !isBorder(n)) {
                seen[n.y() * image.width() + n.x()] = 1;
                queue.push_back(n);
            }
        }
    }
    for (QPoint p : region) {
        image.setPixel(p, fill | 0xff000000u);
    }
    return static_cast<qsizetype>(region.size());
}

// Pictures of few colours, so that borders form walls, rooms and regions touching the edges.
QImage randomPicture(std::mt19937& rng, const std::vector<QRgb>& palette) {
    std::uniform_int_distribution<int> side(1, 140);  // past two 64-pixel words
    QImage image(side(rng), side(rng), QImage::Format_RGB32);
    std::uniform_int_distribution<size_t> pick(0, palette.size() - 1);
    std::bernoulli_distribution repeat(0.6);   // runs of one colour make larger shapes
    std::bernoulli_distribution sameRow(0.4);  // rows repeating the one above form bands
    QRgb c = palette[pick(rng)];
    for (int y = 0; y < image.height(); ++y) {
        if (y > 0 && sameRow(rng)) {
            std::copy_n(image.constScanLine(y - 1), image.bytesPerLine(), image.scanLine(y));
            continue;
        }
        for (int x = 0; x < image.width(); ++x) {
            if (!repeat(rng)) {
                c = palette[pick(rng)];
            }
            image.setPixel(x, y, c);
        }
    }
    return image;
}

TEST(BorderFill, MatchesTheReferenceOnRandomPictures) {
    std::mt19937 rng(20240611);
    const std::vector<QRgb> palette{qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(200, 30, 30),
                                    qRgb(30, 30, 200)};
    std::uniform_int_distribution<size_t> pick(0, palette.size() - 1);
    int onBorder = 0, fillPresent = 0, fillIsBorder = 0, touchedEdge = 0;
    for (int round = 0; round < 2000; ++round) {
        const QImage original = randomPicture(rng, palette);
        const QRgb border = palette[pick(rng)];
        // Mostly palette colours (a fill colour already present), sometimes a new one.
        const QRgb fill = round % 5 == 0 ? qRgb(10, 200, 10) : palette[pick(rng)];
        std::uniform_int_distribution<int> sx(0, original.width() - 1),
            sy(0, original.height() - 1);
        const QPoint start(sx(rng), sy(rng));

        QImage expected = original;
        const qsizetype want = referenceFill(expected, start, fill, border);
        // The span fill alone, the labelling fill alone, a switch after some spans, the default.
        for (qsizetype budget : {std::numeric_limits<qsizetype>::max(), qsizetype(0),
                                 qsizetype(round % 7), qsizetype(-1)}) {
            QImage actual = original;
            const qsizetype got = borderFill(actual, start, QColor(fill), QColor(border), budget);
            ASSERT_EQ(got, want) << "round " << round << " budget " << budget;
            ASSERT_EQ(actual, expected) << "round " << round << " budget " << budget;
        }

        onBorder += want == 0;
        fillPresent += fill != border && original.pixel(start) == fill;
        fillIsBorder += fill == border && want > 0;
        touchedEdge += want > 0 && (expected.pixel(0, start.y()) != original.pixel(0, start.y()) ||
                                    expected.pixel(original.width() - 1, start.y()) !=
                                        original.pixel(original.width() - 1, start.y()));
    }
    // The random cases really covered the awkward ones.
    EXPECT_GT(onBorder, 100);
    EXPECT_GT(fillPresent, 100);
    EXPECT_GT(fillIsBorder, 50);
    EXPECT_GT(touchedEdge, 100);
}

TEST(BorderFill, ClosedOutlineKeepsTheFillInsideWhateverTheColoursThere) {
    QImage image(20, 12, QImage::Format_RGB32);
    image.fill(qRgb(90, 90, 90));
    for (int x = 4; x < 15; ++x) {
        image.setPixel(x, 2, qRgb(0, 0, 0));
        image.setPixel(x, 9, qRgb(0, 0, 0));
    }
    for (int y = 2; y < 10; ++y) {
        image.setPixel(4, y, qRgb(0, 0, 0));
        image.setPixel(14, y, qRgb(0, 0, 0));
    }
    image.setPixel(8, 5, qRgb(255, 0, 0));  // another colour inside does not stop the fill
    image.setPixel(9, 5, qRgb(1, 0, 0));    // nor does a colour one step from the border's

    EXPECT_EQ(borderFill(image, {7, 6}, Qt::white, Qt::black), 9 * 6);
    EXPECT_EQ(image.pixel(8, 5), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(9, 5), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(4, 5), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(2, 5), qRgb(90, 90, 90));
    EXPECT_EQ(image.pixel(17, 11), qRgb(90, 90, 90));
}

TEST(BorderFill, StartOnTheBorderOrOutsidePaintsNothing) {
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::black);
    const QImage before = image;
    EXPECT_EQ(borderFill(image, {3, 3}, Qt::white, Qt::black), 0);
    EXPECT_EQ(borderFill(image, {-1, 3}, Qt::white, Qt::red), 0);
    EXPECT_EQ(borderFill(image, {3, 8}, Qt::white, Qt::red), 0);
    EXPECT_EQ(image, before);
}

TEST(BorderFill, OtherFormatsAreFilledAndStayDrawable) {
    QImage image(6, 4, QImage::Format_RGB888);
    image.fill(Qt::blue);
    image.setPixelColor(2, 0, Qt::black);
    image.setPixelColor(2, 1, Qt::black);
    image.setPixelColor(2, 2, Qt::black);
    image.setPixelColor(2, 3, Qt::black);
    EXPECT_EQ(borderFill(image, {0, 0}, Qt::yellow, Qt::black), 8);
    EXPECT_EQ(image.pixelColor(1, 3), QColor(Qt::yellow));
    EXPECT_EQ(image.pixelColor(3, 0), QColor(Qt::blue));

    QImage premultiplied(5, 5, QImage::Format_ARGB32_Premultiplied);
    premultiplied.fill(Qt::green);
    EXPECT_EQ(borderFill(premultiplied, {4, 4}, Qt::red, Qt::black), 25);
    EXPECT_EQ(premultiplied.pixelColor(0, 0), QColor(Qt::red));
}

}  // namespace
