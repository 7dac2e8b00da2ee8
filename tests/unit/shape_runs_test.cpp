// The drag tools' shapes as pixels: where outlines run, how pens grow, how drags are clipped and
// kept straight, and what a preview repaints when the pointer moves.
#include "editor/shapes/shape_runs.h"

#include <gtest/gtest.h>

#include <QImage>

#include "editor/fill/border_fill.h"
#include "editor/shapes/drag_geometry.h"

namespace {

constexpr QRgb kInk = 0xff000000;
constexpr QRgb kPaper = 0xffffffff;

QImage draw(const PixelRuns& runs, QSize size = {60, 50}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(kPaper);
    pixel_runs::fill(image, runs, kInk);
    return image;
}

int inkCount(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            n += image.pixel(x, y) == kInk;
        }
    }
    return n;
}

TEST(ShapeRuns, RectangleAtWidthOneRunsThroughBothPointsRowsAndColumnsInEveryDirection) {
    const QPoint a(7, 5), b(30, 20);
    for (const auto& [from, to] : {std::pair{a, b},
                                   {b, a},
                                   {QPoint(30, 5), QPoint(7, 20)},
                                   {QPoint(7, 20), QPoint(30, 5)}}) {
        const QImage image = draw(shape_runs::rectangleOutline(shape_runs::dragRect(from, to), 1));
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const bool edge = x >= 7 && x <= 30 && y >= 5 && y <= 20 &&
                                  (x == 7 || x == 30 || y == 5 || y == 20);
                ASSERT_EQ(image.pixel(x, y) == kInk, edge) << x << "," << y;
            }
        }
    }
}

TEST(ShapeRuns, WiderRectanglePensGrowInwardsUntilTheyFillIt) {
    const QRect r(QPoint(10, 10), QPoint(29, 24));  // 20 x 15
    const QImage three = draw(shape_runs::rectangleOutline(r, 3));
    EXPECT_EQ(inkCount(three), 20 * 15 - 14 * 9);
    EXPECT_EQ(three.pixel(12, 12), kInk);
    EXPECT_EQ(three.pixel(13, 13), kPaper);
    EXPECT_EQ(three.pixel(9, 10), kPaper);  // nothing outside
    EXPECT_EQ(inkCount(draw(shape_runs::rectangleOutline(r, 8))), 20 * 15);
}

TEST(ShapeRuns, EllipseTouchesItsRectanglesEdgesAndHoldsAFill) {
    const QRect r(QPoint(5, 4), QPoint(44, 31));
    for (int width : {1, 3}) {
        QImage image = draw(shape_runs::ellipseOutline(r, width));
        const QRect bounds = pixel_runs::boundingRect(shape_runs::ellipseOutline(r, width));
        EXPECT_EQ(bounds, r) << width;
        // The middle of each edge is on the outline, the corners are not.
        EXPECT_EQ(image.pixel(5, 17), kInk);
        EXPECT_EQ(image.pixel(44, 18), kInk);
        EXPECT_EQ(image.pixel(24, 4), kInk);
        EXPECT_EQ(image.pixel(25, 31), kInk);
        EXPECT_EQ(image.pixel(5, 4), kPaper);
        // A fill inside stops at the outline: the corners outside keep the paper.
        borderFill(image, {24, 17}, Qt::red, Qt::black);
        EXPECT_EQ(image.pixel(6, 5), kPaper) << width;
        EXPECT_EQ(image.pixel(43, 30), kPaper) << width;
        EXPECT_EQ(image.pixel(24, 17), qRgb(255, 0, 0));
    }
    EXPECT_GT(inkCount(draw(shape_runs::ellipseOutline(r, 3))),
              2 * inkCount(draw(shape_runs::ellipseOutline(r, 1))));
}

TEST(ShapeRuns, ArrowHasItsTipAtTheEndAndAHeadThatGrowsWithThePen) {
    const QPoint a(5, 40), b(50, 10);
    const QImage thin = draw(shape_runs::arrow(a, b, 1));
    EXPECT_EQ(thin.pixel(b), kInk);
    EXPECT_EQ(thin.pixel(a), kInk);
    EXPECT_EQ(pixel_runs::boundingRect(shape_runs::arrow(a, b, 1)).topRight(), b);
    // The head is filled: a point just behind the tip on the line, and beside the line there.
    EXPECT_EQ(thin.pixel(46, 13), kInk);
    EXPECT_EQ(thin.pixel(44, 12), kInk);
    const int head1 = inkCount(draw(shape_runs::convexPolygon(
        QPolygonF({QPointF(0, 0), QPointF(shape_runs::arrowHeadLength(1), 0),
                   QPointF(0, shape_runs::arrowHeadWidth(1))}))));
    const int head4 = inkCount(draw(shape_runs::convexPolygon(
        QPolygonF({QPointF(0, 0), QPointF(shape_runs::arrowHeadLength(4), 0),
                   QPointF(0, shape_runs::arrowHeadWidth(4))}))));
    EXPECT_GT(head4, 2 * head1);
    EXPECT_GT(inkCount(draw(shape_runs::arrow(a, b, 4))), 3 * inkCount(thin));
    // From a point to itself: a dot of the pen.
    EXPECT_EQ(inkCount(draw(shape_runs::arrow(a, a, 1))), 1);
}

TEST(ShapeRuns, LineMatchesThePensRoundEndsAndIsOneRunPerRow) {
    const PixelRuns runs = shape_runs::line({10, 10}, {40, 22}, 5);
    for (std::size_t i = 1; i < runs.size(); ++i) {
        EXPECT_EQ(runs[i].y, runs[i - 1].y + 1);
    }
    const QImage image = draw(runs);
    EXPECT_EQ(image.pixel(8, 10), kInk);  // the round end reaches 2 pixels back
    EXPECT_EQ(image.pixel(7, 10), kPaper);
    EXPECT_EQ(image.pixel(8, 8), kPaper);  // and is round, not square
}

TEST(DragGeometry, DragsAreClippedAndShiftKeepsLinesStraightAndSquaresSquare) {
    const QSize picture(100, 80);
    EXPECT_EQ(drag_geometry::clampTo({-5, 200}, picture), QPoint(0, 79));
    const QPoint s(50, 40);
    EXPECT_EQ(drag_geometry::snappedEnd(s, {90, 44}, picture), QPoint(90, 40));  // flat
    EXPECT_EQ(drag_geometry::snappedEnd(s, {47, 5}, picture), QPoint(50, 5));    // upright
    EXPECT_EQ(drag_geometry::snappedEnd(s, {70, 58}, picture), QPoint(69, 59));  // 45 degrees
    EXPECT_EQ(drag_geometry::snappedEnd(s, {10, 78}, picture), QPoint(11, 79));  // kept inside
    EXPECT_EQ(drag_geometry::squareEnd(s, {60, 20}, picture), QPoint(70, 20));
    EXPECT_EQ(drag_geometry::squareEnd(s, {-40, 70}, picture), QPoint(11, 79));
}

TEST(PixelRuns, MovingARectanglesCornerChangesOnlyTheEdgesThatMoved) {
    const auto outline = [](QPoint end) {
        return shape_runs::rectangleOutline(shape_runs::dragRect({0, 0}, end), 1);
    };
    const PixelRuns before = outline({3000, 2000});
    EXPECT_EQ(pixel_runs::bands(before).size(), 4u);  // top, two sides, bottom
    const PixelRuns changed = pixel_runs::changed(before, outline({3002, 2001}));
    qsizetype pixels = 0;
    for (const QRect& r : pixel_runs::bands(changed)) {
        pixels += qsizetype(r.width()) * r.height();
    }
    // The top row's two new pixels, the old and the new right column, the old bottom row but
    // its left corner (still a side), the new bottom row.
    EXPECT_EQ(pixels, 2 + 1999 * 2 + 3001 + 3003);
    EXPECT_TRUE(pixel_runs::changed(before, before).empty());
}

}  // namespace
