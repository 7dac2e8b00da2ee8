// Freehand drawing, the fill, btnDraw and the colour swatches in the editor.
#include "editor/draw_tool.h"

#include <QLabel>

#include "editor/swatch.h"
#include "editor/tool_cursors.h"
#include "support/canvas_mouse.h"
#include "support/editor_fixture.h"

namespace {

class DrawTool : public EditorTest {
protected:
    using ModifiersFn = decltype(platform::Services::keyboardModifiers);
    using ColourFn = decltype(platform::Services::chooseColor);

    void SetUp() override {
        EditorTest::SetUp();
        QImage white(120, 90, QImage::Format_RGB32);
        white.fill(Qt::white);
        openAsCapture(white);
    }

    // A click on btnDraw with these keys held at that moment.
    void clickDraw(Qt::KeyboardModifiers held) {
        platform::ScopedService<ModifiersFn> keys(platform::services().keyboardModifiers,
                                                  [held] { return held; });
        QTest::mouseClick(editor->btnDraw, Qt::LeftButton);
    }

    // Clicks a swatch; the colour dialog answers `answer` and notes what it was shown.
    void chooseColour(QWidget* swatchControl, std::optional<QColor> answer) {
        platform::ScopedService<ColourFn> dialog(platform::services().chooseColor,
                                                 [this, answer](QWidget*, const QColor& initial) {
                                                     dialogShowed.push_back(initial);
                                                     return answer;
                                                 });
        QTest::mouseClick(swatchControl, Qt::LeftButton);
    }

    QRgb at(int x, int y) { return canvas()->image().pixel(x, y); }
    void drag(QPoint from, QPoint to) {
        canvasPress(canvas(), from);
        canvasMove(canvas(), to);
        canvasRelease(canvas(), to);
    }
    void outline(const QRect& r) {
        drag(r.topLeft(), r.topRight());
        drag(r.topRight(), r.bottomRight());
        drag(r.bottomRight(), r.bottomLeft());
        drag(r.bottomLeft(), r.topLeft());
    }

    std::vector<QColor> dialogShowed;
    static constexpr QRgb kWhite = 0xffffffff;
    static constexpr QRgb kBlack = 0xff000000;
};

TEST_F(DrawTool, ShiftWidensCtrlNarrowsAndNeitherChangesTheMode) {
    EXPECT_EQ(canvas()->lineWidth(), 1);
    clickDraw(Qt::ControlModifier);
    EXPECT_EQ(canvas()->lineWidth(), 1);
    clickDraw(Qt::ShiftModifier);
    EXPECT_EQ(canvas()->lineWidth(), 2);
    clickDraw(Qt::ShiftModifier | Qt::ControlModifier);  // Shift is asked first
    EXPECT_EQ(canvas()->lineWidth(), 3);
    clickDraw(Qt::ControlModifier);
    EXPECT_EQ(canvas()->lineWidth(), 2);
    EXPECT_EQ(editor->labels().lblDraw, "1");
    EXPECT_EQ(editor->btnDraw->toolTip(), " Pintar o fundo ");
}

TEST_F(DrawTool, PlainClickTogglesBetweenPenAndBucket) {
    clickDraw(Qt::NoModifier);
    EXPECT_EQ(editor->labels().lblDraw, "0");
    EXPECT_EQ(editor->btnDraw->toolTip(), " Desenhar à mão livre ");
    EXPECT_EQ(editor->btnDraw->pixmap().toImage(), editor->imgBalde->pixmap().toImage());
    canvasMove(canvas(), {5, 5});
    EXPECT_EQ(canvas()->cursor().hotSpot(), tool_cursors::kBucketHotSpot);

    clickDraw(Qt::NoModifier);
    EXPECT_EQ(editor->labels().lblDraw, "1");
    EXPECT_EQ(editor->btnDraw->toolTip(), " Pintar o fundo ");
    EXPECT_EQ(editor->btnDraw->pixmap().toImage(), editor->imgLapis->pixmap().toImage());
    canvasMove(canvas(), {6, 5});
    EXPECT_EQ(canvas()->cursor().hotSpot(), tool_cursors::kPenHotSpot);
    EXPECT_EQ(canvas()->cursor().pixmap().size(), QSize(32, 32));
}

TEST_F(DrawTool, AClickLeavesADotAndAnUndoTakesTheWholeStrokeAway) {
    const QImage blank = canvas()->image().copy();
    clickDraw(Qt::ShiftModifier);
    clickDraw(Qt::ShiftModifier);  // width 3
    canvasPress(canvas(), {40, 30});
    canvasRelease(canvas(), {40, 30});
    EXPECT_FALSE(editor->drawTool().penDown);
    for (QPoint p : {QPoint(39, 29), QPoint(41, 31), QPoint(40, 30)}) {
        EXPECT_EQ(at(p.x(), p.y()), kBlack) << p.x() << "," << p.y();
    }
    EXPECT_EQ(at(42, 30), kWhite);
    EXPECT_EQ(editor->history().histPos(), 1);
    EXPECT_EQ(editor->history().record(1).picture.toImage(), blank) << "recorded before the dot";
    ctrlKey(Qt::Key_Z);
    EXPECT_EQ(canvas()->image(), blank);

    drag({10, 10}, {60, 40});
    ASSERT_EQ(at(10, 10), kBlack);
    ctrlKey(Qt::Key_Z);
    EXPECT_EQ(canvas()->image(), blank) << "the stroke's first point stayed";
}

TEST_F(DrawTool, TheFirstStrokeHasTheSwatchColourWhateverTheTheme) {
    const QPalette saved = QApplication::palette();
    QPalette theme = saved;
    theme.setColor(QPalette::ButtonText, Qt::red);
    QApplication::setPalette(theme);
    ASSERT_TRUE(Forms::instance().unload("LC_Form3_pic"));
    editor = Forms::instance().get<LC_Form3_pic>();
    QApplication::setPalette(saved);
    QImage white(120, 90, QImage::Format_RGB32);
    white.fill(Qt::white);
    openAsCapture(white);

    drag({10, 10}, {60, 10});
    EXPECT_EQ(at(30, 10), swatch::color(editor->lblCorFG).rgb());
    EXPECT_EQ(at(30, 10), kBlack);
}

TEST_F(DrawTool, ShiftDragDrawsAtTheLastHeightThenFollowsThePointerAgain) {
    canvasPress(canvas(), {10, 10});
    canvasMove(canvas(), {20, 20});                       // free: a diagonal
    canvasMove(canvas(), {60, 50}, Qt::ShiftModifier);    // horizontal at y 20
    canvasMove(canvas(), {60, 70});                       // Shift let go: down from (60, 20)
    canvasMove(canvas(), {80, 80}, Qt::ControlModifier);  // vertical at x 60
    canvasRelease(canvas(), {80, 80});
    EXPECT_EQ(at(15, 15), kBlack);
    EXPECT_EQ(at(40, 20), kBlack);
    EXPECT_EQ(at(40, 35), kWhite);  // no line towards where the pointer was
    EXPECT_EQ(at(60, 40), kBlack);
    EXPECT_EQ(at(60, 75), kBlack);
    EXPECT_EQ(at(70, 75), kWhite);
    EXPECT_EQ(editor->drawTool().lastX, 60);
    EXPECT_EQ(editor->drawTool().lastY, 80);

    // Moves without a pressed pen draw nothing.
    const QImage before = canvas()->image();
    canvasMove(canvas(), {100, 10});
    EXPECT_EQ(canvas()->image(), before);
}

TEST_F(DrawTool, ShiftAndCtrlTogetherConstrainHorizontally) {
    canvasPress(canvas(), {10, 40});
    canvasMove(canvas(), {50, 70}, Qt::ShiftModifier | Qt::ControlModifier);
    canvasRelease(canvas(), {50, 70});
    EXPECT_EQ(at(30, 40), kBlack);
    EXPECT_EQ(at(50, 40), kBlack);
    EXPECT_EQ(at(10, 60), kWhite);
}

TEST_F(DrawTool, StrokeColourDialogPresetCancelKeepsEverythingBlackIsAChoice) {
    chooseColour(editor->lblCorFG, std::nullopt);
    EXPECT_EQ(dialogShowed.back(), QColor(Qt::black));
    EXPECT_EQ(swatch::color(editor->lblCorFG), QColor(Qt::black));

    chooseColour(editor->lblCorFG, QColor(200, 0, 0));
    EXPECT_EQ(swatch::color(editor->lblCorFG), QColor(200, 0, 0));
    EXPECT_EQ(canvas()->foreColor(), QColor(200, 0, 0));

    chooseColour(editor->lblCorFG, std::nullopt);  // cancelled: the red stays
    EXPECT_EQ(dialogShowed.back(), QColor(200, 0, 0));
    EXPECT_EQ(canvas()->foreColor(), QColor(200, 0, 0));
    drag({5, 5}, {30, 5});
    EXPECT_EQ(at(20, 5), qRgb(200, 0, 0));

    chooseColour(editor->lblCorFG, QColor(Qt::black));
    EXPECT_EQ(canvas()->foreColor(), QColor(Qt::black));
}

TEST_F(DrawTool, FillColourChoiceTouchesOnlyItsSwatch) {
    const QImage before = canvas()->image();
    chooseColour(editor->lblCorBG, QColor(0, 128, 0));
    EXPECT_EQ(dialogShowed.back(), QColor(Qt::white));
    EXPECT_EQ(swatch::color(editor->lblCorBG), QColor(0, 128, 0));
    EXPECT_EQ(swatch::color(editor->lblCorFG), QColor(Qt::black));
    EXPECT_EQ(canvas()->foreColor(), QColor(Qt::black));
    EXPECT_EQ(canvas()->image(), before);
}

TEST_F(DrawTool, FillStaysInsideTheStrokeColourAndFollowsItsChanges) {
    outline(QRect(QPoint(20, 20), QPoint(60, 50)));
    chooseColour(editor->lblCorBG, QColor(0, 0, 255));
    clickDraw(Qt::NoModifier);  // fill mode
    canvasPress(canvas(), {40, 35});
    canvasRelease(canvas(), {40, 35});
    EXPECT_EQ(at(40, 35), qRgb(0, 0, 255));
    EXPECT_EQ(at(21, 21), qRgb(0, 0, 255));
    EXPECT_EQ(at(20, 35), kBlack);
    EXPECT_EQ(at(10, 10), kWhite);
    EXPECT_EQ(editor->history().histPos(), 5);  // four strokes and the fill

    // The black outline no longer bounds a fill once the stroke colour is red.
    chooseColour(editor->lblCorFG, QColor(255, 0, 0));
    chooseColour(editor->lblCorBG, QColor(255, 255, 0));
    canvasPress(canvas(), {40, 35});
    EXPECT_EQ(at(10, 10), qRgb(255, 255, 0));
    EXPECT_EQ(at(20, 35), qRgb(255, 255, 0));
    EXPECT_EQ(at(119, 89), qRgb(255, 255, 0));

    // A press on a pixel of the border colour fills nothing but still records its step.
    const QImage before = canvas()->image();
    canvas()->image().setPixel(3, 3, qRgb(255, 0, 0));
    const QImage withDot = canvas()->image();
    canvasPress(canvas(), {3, 3});
    EXPECT_EQ(canvas()->image(), withDot);
    EXPECT_EQ(editor->history().histPos(), 7);
}

TEST_F(DrawTool, AFillAfterResetRecordsAStepButTheKeysStayLocked) {
    drag({5, 5}, {30, 5});
    QTest::mouseClick(editor->btnReset, Qt::LeftButton);
    ASSERT_TRUE(editor->history().historyLocked);
    clickDraw(Qt::NoModifier);
    chooseColour(editor->lblCorBG, QColor(0, 0, 255));
    canvasPress(canvas(), {50, 50});
    EXPECT_EQ(at(50, 50), qRgb(0, 0, 255));
    EXPECT_EQ(editor->history().histPos(), 1);
    EXPECT_TRUE(editor->history().historyLocked);
    ctrlKey(Qt::Key_Z);
    EXPECT_EQ(at(50, 50), qRgb(0, 0, 255));  // not undone

    // A stroke unlocks them.
    clickDraw(Qt::NoModifier);
    drag({5, 80}, {30, 80});
    EXPECT_FALSE(editor->history().historyLocked);
    EXPECT_EQ(at(20, 80), kBlack);
    ctrlKey(Qt::Key_Z);  // back to the step taken as the stroke began
    EXPECT_EQ(at(20, 80), qRgb(0, 0, 255));
    EXPECT_EQ(at(5, 80), qRgb(0, 0, 255));
}

}  // namespace
