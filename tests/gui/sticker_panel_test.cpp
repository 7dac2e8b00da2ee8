// The sticker panel: loading, picking, enlarging, dragging onto the canvas and turning.
#include "editor/sticker_panel.h"

#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>

#include "editor/canvas_stamp.h"
#include "editor/picture_holder.h"
#include "editor/sticker_image.h"
#include "editor/sticker_pictures.h"
#include "editor/sticker_rotation.h"
#include "editor/swatch.h"
#include "support/editor_fixture.h"

namespace {

const QColor kHighlight(224, 224, 224);

class StickerPanel : public EditorTest {
protected:
    StickerImage* sticker(int n) { return editor->ImgFim[n - 1]; }
    QLabel* backLabel(int n) { return editor->lblImgFim[n - 1]; }

    void openPanel() {
        openAsCapture(pattern(400, 250));
        QTest::mouseClick(editor->btnIcons, Qt::LeftButton);
        ASSERT_TRUE(editor->fraIcons->isVisible());
    }

    // A plain mouse move (no button held) over a control, as the window system sends it.
    static void hover(QWidget* w, QPoint pos) {
        QMouseEvent e(QEvent::MouseMove, pos, w->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }

    // Drags sticker n, held at `grab` (its own pixels), and lets go over canvas picture point
    // `at` (pixels); returns where the pointer was let go in the sticker's coordinates.
    void dragToCanvas(int n, QPoint grab, QPoint at) {
        QTest::mousePress(sticker(n), Qt::LeftButton, {}, grab);
        const QPoint over = sticker(n)->mapFromGlobal(
            canvas()->mapToGlobal(at + QPoint(Canvas::kBorderPx, Canvas::kBorderPx)));
        QTest::mouseMove(sticker(n), over);
        QTest::mouseRelease(sticker(n), Qt::LeftButton, {}, over);
    }

    QImage painted(const QImage& before, const QImage& picture, QRect target) {
        QImage out = before;
        canvas_stamp::paintPicture(out, picture, target);
        return out;
    }
};

TEST_F(StickerPanel, StickersComeFromTheImgFolderAndFirstOneIsSelected) {
    EXPECT_EQ(sticker(7)->objectName(), "imgFim7");
    for (int n = 1; n <= 9; ++n) {
        const QImage file = sticker_pictures::load(dir.path(), sticker_pictures::fileName(n));
        ASSERT_NE(file, sticker_pictures::iconDefault());
        EXPECT_EQ(sticker(n)->picture(), file) << n;
        EXPECT_EQ(sticker(n)->size(), QSize(14, 14));
    }
    EXPECT_EQ(editor->PicIni->picture(), sticker(1)->picture());
    EXPECT_EQ(editor->stickerPanel().selImage, sticker(1));
    EXPECT_EQ(editor->stickerPanel().selName, "ImgFim1");
    EXPECT_FALSE(editor->fraIcons->isVisibleTo(editor));
    EXPECT_FALSE(editor->iconDefault->pixmap().isNull());

    openPanel();
    QTest::mouseClick(editor->btnIcons, Qt::LeftButton);
    EXPECT_TRUE(editor->fraIcons->isVisible()) << "btnIcons only shows";
    QTest::mouseClick(editor->btnClose, Qt::LeftButton);
    EXPECT_FALSE(editor->fraIcons->isVisible());
    EXPECT_EQ(editor->btnRotate->toolTip(), " Rotacionar ");
    EXPECT_EQ(editor->btnClose->toolTip(), " Fechar ");
}

TEST_F(StickerPanel, WithoutTheImgFolderAllNineAndTheStagingBoxGetTheStandByPicture) {
    ASSERT_TRUE(QDir(dir.path() + "/IMG").removeRecursively());
    editor->unloadForm();
    editor = Forms::instance().get<LC_Form3_pic>();
    const QImage standBy = sticker_pictures::iconDefault();
    for (int n = 1; n <= 9; ++n) {
        EXPECT_EQ(sticker(n)->picture(), standBy) << n;
    }
    EXPECT_EQ(editor->PicIni->picture(), standBy);

    // Dropping one paints that picture.
    openPanel();
    const QImage before = canvas()->image();
    dragToCanvas(4, QPoint(7, 7), QPoint(100, 60));
    EXPECT_EQ(canvas()->image(), painted(before, standBy, QRect(93, 53, 22, 22)));
}

TEST_F(StickerPanel, RightButtonSelectsAndEnlargesWithoutDraggingAndAMoveShrinksIt) {
    openPanel();
    QTest::mousePress(sticker(5), Qt::RightButton, {}, QPoint(3, 3));
    EXPECT_EQ(editor->labels().lblImg, "ImgFim5");
    EXPECT_EQ(editor->stickerPanel().selImage, sticker(5));
    EXPECT_EQ(sticker(5)->size(), QSize(22, 22));
    EXPECT_EQ(sticker(5)->pos(), QPoint(units::px(1615), units::px(30))) << "grows right, down";
    EXPECT_EQ(editor->labels().lblCheckImg, "1");
    EXPECT_EQ(swatch::color(backLabel(5)), kHighlight);
    EXPECT_EQ(editor->PicIni->picture(), sticker(5)->picture());
    EXPECT_FALSE(sticker(5)->dragging());
    EXPECT_FALSE(editor->findChild<QWidget*>("dragOutline"));
    QTest::mouseRelease(sticker(5), Qt::RightButton, {}, QPoint(3, 3));

    // Over a sticker: back to 210 twips, the flag stays; over the panel: the flag goes too.
    hover(sticker(5), QPoint(4, 4));
    EXPECT_EQ(sticker(5)->size(), QSize(14, 14));
    EXPECT_EQ(editor->labels().lblCheckImg, "1");
    hover(editor->fraIcons, QPoint(2, 2));
    EXPECT_EQ(editor->labels().lblCheckImg, "0");

    // Over the canvas likewise.
    QTest::mousePress(sticker(2), Qt::RightButton, {}, QPoint(3, 3));
    QTest::mouseRelease(sticker(2), Qt::RightButton, {}, QPoint(3, 3));
    ASSERT_EQ(sticker(2)->width(), 22);
    hover(canvas(), QPoint(40, 40));
    EXPECT_EQ(sticker(2)->width(), 14);
    EXPECT_EQ(editor->labels().lblCheckImg, "0");
    EXPECT_EQ(editor->history().histTop(), 0);
}

TEST_F(StickerPanel, PressingAnotherStickerMovesTheHighlight) {
    openPanel();
    const QColor rest = swatch::color(backLabel(2));
    QTest::mousePress(sticker(1), Qt::RightButton, {}, QPoint(3, 3));
    EXPECT_EQ(swatch::color(backLabel(1)), kHighlight);
    QTest::mousePress(sticker(3), Qt::RightButton, {}, QPoint(3, 3));
    EXPECT_EQ(swatch::color(backLabel(1)), rest);
    EXPECT_EQ(swatch::color(backLabel(3)), kHighlight);
    EXPECT_EQ(editor->labels().lblBackColor, "lblImgFim3");

    // The seventh is spelled differently; names compare without regard to case.
    QTest::mousePress(sticker(7), Qt::RightButton, {}, QPoint(3, 3));
    EXPECT_EQ(editor->labels().lblImg, "imgFim7");
    EXPECT_EQ(swatch::color(backLabel(3)), rest);
    EXPECT_EQ(swatch::color(backLabel(7)), kHighlight);
    EXPECT_EQ(editor->stickerPanel().stickerNamed("IMGFIM7"), sticker(7));
    EXPECT_EQ(editor->stickerPanel().selImage, sticker(7));
}

TEST_F(StickerPanel, DropPaintsFromThePointMinusTheGrabAtTheHeldSizeAfterOneStep) {
    openPanel();
    const QImage before = canvas()->image();
    const QImage picture = sticker(1)->picture();
    // Grabbed at its centre (7, 7 pixels = 105 twips); let go at canvas point (3000, 1500).
    QTest::mousePress(sticker(1), Qt::LeftButton, {}, QPoint(7, 7));
    EXPECT_EQ(editor->grabX, 105);
    EXPECT_EQ(editor->grabY, 105);
    ASSERT_TRUE(sticker(1)->dragging());
    const QPoint target = canvas()->mapToGlobal(QPoint(200, 100) + QPoint(2, 2));
    const QPoint over = sticker(1)->mapFromGlobal(target);
    QTest::mouseMove(sticker(1), over);
    auto* outline = editor->findChild<QWidget*>("dragOutline");
    ASSERT_TRUE(outline);
    EXPECT_EQ(outline->mapToGlobal(QPoint(7, 7)), target) << "the outline follows the pointer";
    EXPECT_EQ(outline->size(), QSize(22, 22));
    EXPECT_EQ(canvas()->image(), before) << "nothing before the drop";
    QTest::mouseRelease(sticker(1), Qt::LeftButton, {}, over);

    const QRect where(units::px(3000 - 105), units::px(1500 - 105), units::px(330), units::px(330));
    EXPECT_EQ(where, QRect(193, 93, 22, 22));
    EXPECT_EQ(canvas()->image(), painted(before, picture, where));
    EXPECT_EQ(canvas()->image().pixel(193, 93), before.pixel(193, 93)) << "transparent corner";
    EXPECT_NE(canvas()->image().pixel(204, 104), before.pixel(204, 104));
    ASSERT_EQ(editor->history().histTop(), 1) << "exactly one step";
    EXPECT_TRUE(editor->history().record(1).picture.matches(before)) << "recorded before painting";
    EXPECT_EQ(editor->picTemp->picture(), picture);
    EXPECT_EQ(sticker(1)->size(), QSize(14, 14));
    EXPECT_FALSE(sticker(1)->dragging());
    EXPECT_FALSE(editor->findChild<QWidget*>("dragOutline"));
    EXPECT_TRUE(canvas()->hasFocus());
}

TEST_F(StickerPanel, DroppingOnAScrolledCanvasPaintsAtTheCanvasPointUnderThePointer) {
    openInWindow(pattern(1200, 900), {600, 400});
    ASSERT_TRUE(editor->HBar->isVisible());
    editor->HBar->setValue(editor->HBar->maximum());
    editor->VBar->setValue(editor->VBar->maximum());
    QTest::mouseClick(editor->btnIcons, Qt::LeftButton);
    const QImage before = canvas()->image();
    const QPoint at(1100, 800);  // picture point shown near the viewport's far corner
    ASSERT_TRUE(editor->PicOuter->rect().contains(
        canvas()->mapTo(editor->PicOuter, at + QPoint(Canvas::kBorderPx, Canvas::kBorderPx))));
    dragToCanvas(6, QPoint(2, 3), at);
    EXPECT_EQ(canvas()->image(),
              painted(before, sticker(6)->picture(), QRect(at - QPoint(2, 3), QSize(22, 22))));
}

TEST_F(StickerPanel, DropOutsideTheCanvasLeavesNoTraceAndTheStickerEnlarged) {
    openPanel();
    const QImage before = canvas()->image();
    QTest::mousePress(sticker(2), Qt::LeftButton, {}, QPoint(7, 7));
    const QPoint overToolbar = sticker(2)->mapFrom(editor->fraIcons, QPoint(10, 10));
    QTest::mouseRelease(sticker(2), Qt::LeftButton, {}, overToolbar);
    EXPECT_EQ(canvas()->image(), before);
    EXPECT_EQ(editor->history().histTop(), 0);
    EXPECT_EQ(sticker(2)->size(), QSize(22, 22));
    EXPECT_FALSE(sticker(2)->dragging());

    // A drop where the viewport hides the canvas (under the scroll bar) is no drop either.
    openInWindow(pattern(1200, 900), {600, 400});
    ASSERT_TRUE(editor->HBar->isVisible());
    QTest::mouseClick(editor->btnIcons, Qt::LeftButton);
    const QImage scrolled = canvas()->image();
    QTest::mousePress(sticker(2), Qt::LeftButton, {}, QPoint(7, 7));
    const QPoint overBar =
        sticker(2)->mapFromGlobal(editor->HBar->mapToGlobal(editor->HBar->rect().center()));
    QTest::mouseRelease(sticker(2), Qt::LeftButton, {}, overBar);
    EXPECT_EQ(canvas()->image(), scrolled);
    EXPECT_EQ(editor->history().histTop(), 0);
}

TEST_F(StickerPanel, RotateTurnsTheSelectedStickerAndTheNextDropPaintsItTurned) {
    openPanel();
    const QImage original = sticker(1)->picture();
    const QImage turned = sticker_rotation::turnedClockwise(original);
    ASSERT_NE(turned.convertToFormat(QImage::Format_ARGB32),
              original.convertToFormat(QImage::Format_ARGB32));

    // Right after opening, without any press: ImgFim1 turns.
    QTest::mouseClick(editor->btnRotate, Qt::LeftButton);
    EXPECT_EQ(sticker(1)->picture(), turned);
    EXPECT_EQ(editor->PicIni->picture(), turned);
    EXPECT_EQ(sticker(2)->picture(),
              sticker_pictures::load(dir.path(), sticker_pictures::fileName(2)));
    EXPECT_EQ(editor->history().histTop(), 0) << "no undo step";

    const QImage before = canvas()->image();
    dragToCanvas(1, QPoint(7, 7), QPoint(50, 50));
    EXPECT_EQ(canvas()->image(), painted(before, turned, QRect(43, 43, 22, 22)));

    // Another sticker turns alone; the first keeps its turn when picked again.
    QTest::mousePress(sticker(2), Qt::RightButton, {}, QPoint(3, 3));
    QTest::mouseRelease(sticker(2), Qt::RightButton, {}, QPoint(3, 3));
    const QImage second = sticker(2)->picture();
    QTest::mouseClick(editor->btnRotate, Qt::LeftButton);
    EXPECT_EQ(sticker(2)->picture(), sticker_rotation::turnedClockwise(second));
    EXPECT_EQ(sticker(1)->picture(), turned);
    QTest::mousePress(sticker(1), Qt::RightButton, {}, QPoint(3, 3));
    QTest::mouseRelease(sticker(1), Qt::RightButton, {}, QPoint(3, 3));
    EXPECT_EQ(editor->PicIni->picture(), turned);
    for (int i = 0; i < 3; ++i) {
        QTest::mouseClick(editor->btnRotate, Qt::LeftButton);
    }
    EXPECT_EQ(sticker(1)->picture().convertToFormat(QImage::Format_ARGB32),
              original.convertToFormat(QImage::Format_ARGB32))
        << "four turns";
    EXPECT_EQ(sticker(1)->size(), QSize(22, 22)) << "turned at its held size";
}

}  // namespace
