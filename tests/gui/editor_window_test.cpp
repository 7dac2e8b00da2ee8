// The editor window: its controls, the viewport and bars, grow, reset and undo of a grow.
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>

#include "editor/picture_holder.h"
#include "editor/swatch.h"
#include "support/address_space_limit.h"
#include "support/canvas_mouse.h"
#include "support/editor_fixture.h"

namespace {

using EditorWindow = EditorTest;

TEST_F(EditorWindow, LoadsHiddenOnceWithItsNamedControlsAndLabels) {
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(Forms::instance().get<LC_Form3_pic>(), editor);
    EXPECT_EQ(editor->windowTitle(), "Lumacap");
    for (const char* name :
         {"fraMain",      "fraPicture", "PicOuter",    "PicDrawBox", "HBar",      "VBar",
          "txtNumHeight", "btnUpMais",  "btnDownMais", "btnReset",   "btnSave",   "btnClipboard",
          "btnDraw",      "btnText",    "btnIcons",    "lblCorFG",   "lblCorBG",  "shpCor",
          "Shape1",       "Shape3",     "fraText",     "TextPic",    "fraIcons",  "btnRotate",
          "btnClose",     "ImgFim1",    "imgFim7",     "lblImgFim9", "PicBackBG", "PicBack",
          "PicIni",       "picTemp",    "imgLapis",    "imgBalde"}) {
        EXPECT_TRUE(editor->findChild<QWidget*>(name)) << name;
    }
    EXPECT_EQ(editor->PicDrawBox->parentWidget(), editor->PicOuter);
    EXPECT_EQ(editor->HBar->parentWidget(), editor);
    EXPECT_EQ(editor->btnUpMais->size(), QSize(14, 14));
    EXPECT_FALSE(editor->btnUpMais->pixmap().isNull());
    EXPECT_EQ(editor->btnReset->toolTip(), " Resetar ");
    EXPECT_EQ(editor->txtNumHeight->text(), "20");
    EXPECT_FALSE(editor->fraText->isVisibleTo(editor));
    EXPECT_EQ(editor->labels().lblDraw, "1");
    EXPECT_EQ(editor->labels().lblImg, "ImgFim1");
    EXPECT_EQ(swatch::color(editor->lblCorFG), QColor(Qt::black));
    EXPECT_EQ(swatch::color(editor->lblCorBG), QColor(Qt::white));
}

TEST_F(EditorWindow, CaptureSetsCanvasSixtyTwipsLargerAndKeepsTheUneditedCopy) {
    const QImage pic = pattern(3000, 2250);  // beyond 16 bits of twips
    editor->putCapture(pic, true);
    EXPECT_EQ(canvas()->widthTw(), 3000 * 15 + 60);
    EXPECT_EQ(canvas()->heightTw(), 2250 * 15 + 60);
    EXPECT_EQ(editor->canvasImage(), pic);
    EXPECT_EQ(editor->PicBackBG->picture(), pic);

    editor->putCapture(pattern(10, 10), false);
    EXPECT_EQ(editor->PicBackBG->picture(), pic);
    editor->placeEditor({4000, 3000, 6000, 5000, 4321});
    EXPECT_EQ(editor->labels().lblMeHeight, "4321");
    EXPECT_EQ(editor->labels().lblMeHeightIni, "4321");
    EXPECT_EQ(window_metrics::widthTw(editor), 6000);
    EXPECT_EQ(window_metrics::heightTw(editor), 4995);  // whole pixels
}

TEST_F(EditorWindow, BarsHiddenWhenTheCanvasFits) {
    openAsCapture(pattern(300, 200));
    EXPECT_FALSE(editor->HBar->isVisible());
    EXPECT_FALSE(editor->VBar->isVisible());
    // The whole canvas is in view.
    const QRect canvasInWindow(canvas()->mapTo(editor, QPoint(0, 0)), canvas()->size());
    EXPECT_TRUE(editor->rect().contains(canvasInWindow));
}

TEST_F(EditorWindow, VerticalBarStealingTheNeededWidthBringsTheHorizontalOne) {
    // The canvas (404 px wide) fits across 410 px, but it is too tall for 400 px.
    openInWindow(pattern(400, 600), {410, 400});
    EXPECT_TRUE(editor->VBar->isVisible());
    EXPECT_TRUE(editor->HBar->isVisible());

    // Tall enough: neither.
    openInWindow(pattern(400, 600), {410, 700});
    EXPECT_FALSE(editor->VBar->isVisible());
    EXPECT_FALSE(editor->HBar->isVisible());
}

TEST_F(EditorWindow, BarsAtTheirFarEndsShowTheCanvasEdgesAgainstTheViewport) {
    QImage pic = pattern(1200, 900);
    {
        QPainter p(&pic);
        p.fillRect(QRect(1199, 0, 1, 900), Qt::red);
        p.fillRect(QRect(0, 899, 1200, 1), Qt::blue);
    }
    openInWindow(pic, {600, 400});
    ASSERT_TRUE(editor->HBar->isVisible());
    ASSERT_TRUE(editor->VBar->isVisible());
    EXPECT_EQ(canvas()->mapTo(editor, QPoint(0, 0)).x(), 0);

    editor->HBar->setValue(editor->HBar->maximum());
    editor->VBar->setValue(editor->VBar->maximum());
    const QPoint canvasEnd = canvas()->mapTo(editor, QPoint(canvas()->width(), canvas()->height()));
    EXPECT_EQ(canvasEnd.x(), editor->VBar->x());
    EXPECT_EQ(canvasEnd.y(), editor->HBar->y());

    // On screen: the picture's last column and row end where the bars begin (past the border).
    const QImage shot = editor->grab().toImage();
    EXPECT_EQ(shot.pixel(editor->VBar->x() - 3, 300), qRgb(255, 0, 0));
    EXPECT_EQ(shot.pixel(300, editor->HBar->y() - 3), qRgb(0, 0, 255));

    editor->HBar->setValue(0);
    EXPECT_EQ(canvas()->x(), 0);
}

TEST_F(EditorWindow, GrowUpAddsABandOfTheFillColourOnTop) {
    const QImage pic = pattern(300, 165);  // canvas 2535 twips high
    openAsCapture(pic);
    ASSERT_EQ(canvas()->heightTw(), 2535);
    swatch::setColor(editor->lblCorBG, Qt::red);
    swatch::setColor(editor->lblCorFG, Qt::green);

    QTest::mouseClick(editor->btnUpMais, Qt::LeftButton);
    const QImage& img = canvas()->image();
    ASSERT_EQ(img.height(), 185);
    EXPECT_EQ(canvas()->heightTw(), 2835);
    for (int y : {0, 10, 19}) {
        EXPECT_EQ(img.pixel(0, y), qRgb(255, 0, 0));
        EXPECT_EQ(img.pixel(299, y), qRgb(255, 0, 0));
    }
    EXPECT_EQ(img.copy(0, 20, 300, 165), pic);
    EXPECT_EQ(editor->labels().lblMeHeight, "3865");
    EXPECT_EQ(editor->labels().lblAddHeight, "300");
    EXPECT_NEAR(window_metrics::heightTw(editor), 3865, 14);
    EXPECT_EQ(canvas()->foreColor(), QColor(Qt::green));
    EXPECT_EQ(editor->history().histPos(), 1);
    EXPECT_EQ(editor->focusWidget(), canvas()) << "the canvas keys must work right after";
}

TEST_F(EditorWindow, ToolButtonsSinkOnePixelWhilePressed) {
    openAsCapture(pattern(300, 165));
    for (QWidget* b :
         {static_cast<QWidget*>(editor->btnSave), static_cast<QWidget*>(editor->lblCorBG)}) {
        const QPoint rest = b->pos();
        QTest::mousePress(b, Qt::LeftButton);
        EXPECT_EQ(b->pos(), rest + QPoint(1, 1)) << b->objectName().toStdString();
        QTest::mouseRelease(b, Qt::LeftButton);
        EXPECT_EQ(b->pos(), rest) << b->objectName().toStdString();
    }
}

TEST_F(EditorWindow, GrowDownKeepsTheFillColourAsBackgroundUntilReset) {
    const QImage pic = pattern(300, 165);
    openAsCapture(pic);
    swatch::setColor(editor->lblCorBG, Qt::blue);
    QTest::mouseClick(editor->btnDownMais, Qt::LeftButton);
    QTest::mouseClick(editor->btnDownMais, Qt::LeftButton);
    const QImage& img = canvas()->image();
    ASSERT_EQ(img.height(), 205);
    EXPECT_EQ(img.copy(0, 0, 300, 165), pic);
    EXPECT_EQ(img.pixel(150, 170), qRgb(0, 0, 255));
    EXPECT_EQ(img.pixel(299, 204), qRgb(0, 0, 255));
    EXPECT_EQ(canvas()->backColor(), QColor(Qt::blue));
    EXPECT_EQ(editor->labels().lblAddHeight, "600");

    QTest::mouseClick(editor->btnReset, Qt::LeftButton);
    EXPECT_EQ(canvas()->backColor(), QColor(Qt::white));
}

TEST_F(EditorWindow, GrowAmountIsWholePixelsAndNothingWhenEmptyOrZero) {
    openAsCapture(pattern(300, 165));
    QLineEdit* n = editor->txtNumHeight;
    n->clear();
    QTest::keyClicks(n, "1a-2.");
    EXPECT_EQ(n->text(), "12");
    for (const char* nothing : {"", "0", "00"}) {
        n->setText(nothing);
        QTest::mouseClick(editor->btnUpMais, Qt::LeftButton);
        QTest::mouseClick(editor->btnDownMais, Qt::LeftButton);
    }
    EXPECT_EQ(canvas()->image().height(), 165);
    EXPECT_EQ(editor->history().histPos(), 0);
    EXPECT_EQ(editor->labels().lblAddHeight, "0");
}

TEST_F(EditorWindow, TallCanvasSizesGoPastSixteenBits) {
    // Taller than the screen: the window manager may cut the window down, the numbers stay.
    editor->putCapture(pattern(200, 2300), true);
    editor->placeEditor({3160, 2300 * 15 + 2590, 4000, 2300 * 15 + 1300, 2300 * 15 + 1300});
    editor->show();
    editor->btnUpMais_Click();
    EXPECT_EQ(canvas()->heightTw(), 2320 * 15 + 60);
    EXPECT_EQ(editor->labels().lblMeHeight, QString::number(2300 * 15 + 60 + 1030 + 300));
}

TEST_F(EditorWindow, ResetPaintsTheStoredCaptureOverWhiteAndEmptiesTheHistory) {
    // The kept capture is narrower than the canvas, as after a later capture that kept none.
    const QImage small = pattern(200, 100);
    QImage wide(320, 140, QImage::Format_RGB32);
    wide.fill(Qt::darkGreen);
    openAsCapture(wide);
    editor->PicBackBG->setPicture(small);
    QTest::mouseClick(editor->btnUpMais, Qt::LeftButton);
    ASSERT_EQ(editor->history().histTop(), 1);

    QTest::mouseClick(editor->btnReset, Qt::LeftButton);
    const QImage& img = canvas()->image();
    ASSERT_EQ(img.size(), QSize(320, 100));
    EXPECT_EQ(img.copy(0, 0, 200, 100), small);
    EXPECT_EQ(img.pixel(250, 50), qRgb(255, 255, 255));
    EXPECT_EQ(img.pixel(319, 0), qRgb(255, 255, 255));
    EXPECT_EQ(editor->history().histPos(), 0);
    EXPECT_EQ(editor->history().histTop(), 0);
    EXPECT_TRUE(editor->history().historyLocked);
    EXPECT_NEAR(window_metrics::heightTw(editor), canvas()->heightTw() + 1030, 14);

    // The keys stay locked: nothing comes back.
    ctrlKey(Qt::Key_Z);
    EXPECT_EQ(canvas()->image().size(), QSize(320, 100));
}

TEST_F(EditorWindow, UndoOfAGrowGivesBackTheShorterCanvasAndWindow) {
    const QImage pic = pattern(300, 165);
    openAsCapture(pic);
    const int windowBefore = window_metrics::heightTw(editor);
    QTest::mouseClick(editor->btnDownMais, Qt::LeftButton);
    ASSERT_EQ(editor->labels().lblMeHeight, "3865");
    ASSERT_NEAR(window_metrics::heightTw(editor), 3865, 14);

    ctrlKey(Qt::Key_Z);
    EXPECT_EQ(canvas()->heightTw(), 2535);
    EXPECT_EQ(canvas()->image(), pic);
    EXPECT_EQ(window_metrics::heightTw(editor), windowBefore);
    EXPECT_EQ(editor->labels().lblMeHeight, QString::number(165 * 15 + 1300));

    ctrlKey(Qt::Key_Y);
    EXPECT_EQ(canvas()->heightTw(), 2835);
    EXPECT_EQ(editor->labels().lblMeHeight, "3865");
}

TEST_F(EditorWindow, GrowsPastTheSizeLimitsAreRefusedBeforeAnythingIsAllocated) {
    openAsCapture(pattern(400, 300));
    const EditorLabels labels = editor->labels();
    editor->txtNumHeight->setText("99999");  // 100299 rows
    QTest::mouseClick(editor->btnUpMais, Qt::LeftButton);
    QTest::mouseClick(editor->btnDownMais, Qt::LeftButton);
    // Not too tall, but 4000 x 30100 pixels would be 120 megapixels.
    editor->putCapture(pattern(4000, 100), true);
    editor->txtNumHeight->setText("30000");
    editor->btnUpMais_Click();

    ASSERT_EQ(messages.size(), 3) << messages.join("\n").toStdString();
    EXPECT_TRUE(messages[0].contains("100.299 pixels de altura, e o limite é 32.767"))
        << messages[0].toStdString();
    EXPECT_TRUE(messages[2].contains("120,4 megapixels, e o limite é 100"))
        << messages[2].toStdString();
    EXPECT_EQ(canvas()->image().size(), QSize(4000, 100));
    EXPECT_EQ(editor->history().histTop(), 0);
    EXPECT_EQ(editor->history().bytesHeld(), 0u);
    EXPECT_EQ(editor->labels().lblAddHeight, labels.lblAddHeight);
    EXPECT_EQ(editor->labels().lblMeHeight, labels.lblMeHeight);
}

TEST_F(EditorWindow, RunningOutOfMemoryLeavesThePictureAsItWasAndSaysSo) {
    openAsCapture(pattern(1000, 700));  // 2.8 MB, shared with the kept capture
    const QImage before = canvas()->image().copy();
    {
        AddressSpaceLimit tight(1 << 20);
        canvasPress(canvas(), {10, 10});
        canvasMove(canvas(), {200, 100});
        canvasRelease(canvas(), {200, 100});
        QTest::mouseClick(editor->btnDownMais, Qt::LeftButton);
    }
    EXPECT_EQ(canvas()->image(), before);
    EXPECT_EQ(editor->history().histTop(), 0);

    QTest::mouseClick(editor->btnDownMais, Qt::LeftButton);
    const QImage grown = canvas()->image().copy();
    {
        AddressSpaceLimit tight(1 << 20);
        ctrlKey(Qt::Key_Z);  // needs a whole new canvas, 20 rows shorter
    }
    EXPECT_EQ(canvas()->image(), grown);
    ctrlKey(Qt::Key_Z);
    EXPECT_EQ(canvas()->image(), before) << "the failed undo must not have moved the history";

    ASSERT_EQ(messages.size(), 3) << messages.join("\n").toStdString();
    for (const QString& m : messages) {
        EXPECT_TRUE(m.contains("não há memória suficiente. A imagem ficou como estava."))
            << m.toStdString();
    }
}

TEST_F(EditorWindow, UndoAfterAResetGivesAWindowThatFitsItsCanvas) {
    openAsCapture(pattern(300, 165));
    for (int i = 0; i < 5; ++i) {
        QTest::mouseClick(editor->btnUpMais, Qt::LeftButton);
    }
    QTest::mouseClick(editor->btnReset, Qt::LeftButton);
    ASSERT_EQ(canvas()->heightTw(), 2535);
    EXPECT_EQ(editor->labels().lblMeHeight, "3565");
    EXPECT_EQ(editor->labels().lblAddHeight, "0");

    canvasPress(canvas(), {10, 10});
    canvasRelease(canvas(), {10, 10});
    ctrlKey(Qt::Key_Z);
    EXPECT_EQ(canvas()->heightTw(), 2535);
    EXPECT_EQ(editor->labels().lblMeHeight, "3565");
    EXPECT_NEAR(window_metrics::heightTw(editor), 3565, 14);
}

TEST_F(EditorWindow, MaximisedWindowKeepsItsSizeOnGrowUndoAndRedo) {
    openAsCapture(pattern(300, 165));
    editor->showMaximized();
    ASSERT_TRUE(QTest::qWaitFor([this] { return editor->isMaximized(); }, 2000));
    QTest::qWait(100);  // let the window manager settle the size
    const QSize maximised = editor->size();

    editor->txtNumHeight->setText("2000");  // far taller than the screen
    QTest::mouseClick(editor->btnDownMais, Qt::LeftButton);
    EXPECT_EQ(canvas()->image().height(), 2165);
    EXPECT_EQ(editor->size(), maximised);
    EXPECT_TRUE(editor->VBar->isVisible()) << "the grown canvas must stay reachable";

    ctrlKey(Qt::Key_Z);
    EXPECT_EQ(canvas()->image().height(), 165);
    EXPECT_EQ(editor->size(), maximised);
    EXPECT_FALSE(editor->VBar->isVisible());
    ctrlKey(Qt::Key_Y);
    EXPECT_EQ(canvas()->image().height(), 2165);
    QTest::mouseClick(editor->btnReset, Qt::LeftButton);
    EXPECT_EQ(canvas()->image().height(), 165);
    EXPECT_EQ(editor->size(), maximised);
}

TEST_F(EditorWindow, CanvasKeysUndoRedoAndAskForACopy) {
    openAsCapture(pattern(300, 165));
    QSignalSpy copies(editor, &LC_Form3_pic::copyRequested);
    editor->history().historyLocked = false;
    editor->SaveUndoStep();
    canvas()->image().fill(Qt::black);
    ctrlKey(Qt::Key_C);
    EXPECT_EQ(copies.count(), 1);
    QTest::keyClick(canvas(), Qt::Key_Z);  // no Ctrl: nothing
    EXPECT_EQ(canvas()->image().pixel(5, 5), qRgb(0, 0, 0));
    QTest::keyClick(canvas(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_NE(canvas()->image().pixel(5, 5), qRgb(0, 0, 0));
}

}  // namespace
