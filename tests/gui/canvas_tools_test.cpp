// The canvas tools in the editor: chosen by key and by button, previewed while dragged, made on
// release as one undo step, cancelled with Escape, clipped to the canvas; crop and numbers.
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>

#include "editor/draw_tool.h"
#include "editor/number_tool.h"
#include "editor/tool_selector.h"
#include "support/address_space_limit.h"
#include "support/canvas_mouse.h"
#include "support/editor_fixture.h"

namespace {

class CanvasTools : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        openAsCapture(pattern(200, 150));
        editor->activateWindow();
        canvas()->setFocus();
    }

    ToolSelector& tools() { return editor->tools(); }
    void key(Qt::Key k) { QTest::keyClick(canvas(), k); }
    void drag(QPoint from, QPoint to) {
        canvasPress(canvas(), from);
        canvasMove(canvas(), (from + to) / 2);
        canvasMove(canvas(), to);
        canvasRelease(canvas(), to);
    }
    // What the canvas shows now, preview included, without its border.
    QImage shown() {
        return canvas()
            ->grab(QRect(Canvas::kBorderPx, Canvas::kBorderPx, canvas()->image().width(),
                         canvas()->image().height()))
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }
    QRgb at(int x, int y) { return canvas()->image().pixel(x, y); }
    static constexpr QRgb kBlack = 0xff000000;
};

TEST_F(CanvasTools, LettersChooseToolsOnTheCanvasButtonsTooAndTheToolInUseLooksPressed) {
    const auto backdropUnder = [this](QWidget* button) {
        auto* backdrop = editor->findChild<QLabel*>("shpTool");
        return backdrop->isVisible() && backdrop->geometry().contains(button->geometry());
    };
    EXPECT_EQ(tools().current(), ToolKind::Pen);
    EXPECT_TRUE(backdropUnder(editor->btnDraw));
    const std::pair<Qt::Key, ToolKind> keys[] = {
        {Qt::Key_L, ToolKind::Line},      {Qt::Key_A, ToolKind::Arrow},
        {Qt::Key_R, ToolKind::Rectangle}, {Qt::Key_E, ToolKind::Ellipse},
        {Qt::Key_H, ToolKind::Marker},    {Qt::Key_P, ToolKind::Pixelate},
        {Qt::Key_N, ToolKind::Number},    {Qt::Key_C, ToolKind::Crop},
        {Qt::Key_B, ToolKind::Fill},      {Qt::Key_D, ToolKind::Pen}};
    for (const auto& [k, kind] : keys) {
        key(k);
        EXPECT_EQ(tools().current(), kind) << QKeySequence(k).toString().toStdString();
        EXPECT_TRUE(backdropUnder(tools().button(kind)));
    }
    key(Qt::Key_B);
    EXPECT_EQ(editor->labels().lblDraw, "0");
    EXPECT_EQ(editor->btnDraw->pixmap().toImage(), editor->imgBalde->pixmap().toImage());

    // Typed in a text box, a letter is text.
    editor->txtNumHeight->setFocus();
    editor->TextPic->setFocus();
    editor->fraText->show();
    QTest::keyClick(editor->TextPic, Qt::Key_End);
    QTest::keyClick(editor->TextPic, Qt::Key_R);
    EXPECT_TRUE(editor->TextPic->text().endsWith("r"));
    EXPECT_EQ(tools().current(), ToolKind::Fill);

    // Buttons, with their tooltips; a click gives the canvas the focus for the keys.
    const std::pair<const char*, const char*> buttons[] = {
        {"btnLine", " Linha "},     {"btnArrow", " Seta "},         {"btnRectangle", " Retângulo "},
        {"btnEllipse", " Elipse "}, {"btnMarker", " Marca-texto "}, {"btnPixelate", " Pixelar "},
        {"btnNumber", " Numerar "}, {"btnCrop", " Recortar "}};
    for (const auto& [name, tip] : buttons) {
        auto* b = editor->findChild<PictureButton*>(name);
        ASSERT_TRUE(b) << name;
        EXPECT_EQ(b->toolTip(), QString::fromUtf8(tip));
        EXPECT_EQ(b->size(), editor->btnDraw->size());
        QTest::mouseClick(b, Qt::LeftButton);
        EXPECT_EQ(tools().button(tools().current()), b);
        EXPECT_TRUE(backdropUnder(b));
    }
    EXPECT_TRUE(canvas()->hasFocus());

    // btnDraw gives back the tool it shows, then toggles; Shift and Ctrl only change the width.
    QTest::mouseClick(editor->btnDraw, Qt::LeftButton);
    EXPECT_EQ(tools().current(), ToolKind::Fill);
    QTest::mouseClick(editor->btnDraw, Qt::LeftButton);
    EXPECT_EQ(tools().current(), ToolKind::Pen);
    key(Qt::Key_R);
    platform::ScopedService<decltype(platform::Services::keyboardModifiers)> shift(
        platform::services().keyboardModifiers, [] { return Qt::ShiftModifier; });
    QTest::mouseClick(editor->btnDraw, Qt::LeftButton);
    EXPECT_EQ(canvas()->lineWidth(), 2);
    EXPECT_EQ(tools().current(), ToolKind::Rectangle);
}

TEST_F(CanvasTools, EachToolShowsAPreviewOnlyThenMakesOneStepThatUndoAndRedoTakeBackExactly) {
    for (const Qt::Key k :
         {Qt::Key_L, Qt::Key_A, Qt::Key_R, Qt::Key_E, Qt::Key_H, Qt::Key_P, Qt::Key_N}) {
        SCOPED_TRACE(QKeySequence(k).toString().toStdString());
        key(k);
        const QImage before = canvas()->image().copy();
        const int steps = editor->history().histTop();
        canvasPress(canvas(), {30, 25});
        canvasMove(canvas(), {90, 60});
        canvasMove(canvas(), {140, 100});
        EXPECT_EQ(canvas()->image(), before) << "nothing enters the picture while dragging";
        if (k != Qt::Key_P) {  // pixelate shows its frame only
            EXPECT_NE(shown(), before);
        }
        canvasRelease(canvas(), {140, 100});
        const QImage after = canvas()->image().copy();
        EXPECT_NE(after, before);
        EXPECT_EQ(shown(), after) << "the preview is gone";
        EXPECT_EQ(editor->history().histTop(), steps + 1);
        ctrlKey(Qt::Key_Z);
        EXPECT_EQ(canvas()->image(), before);
        ctrlKey(Qt::Key_Y);
        EXPECT_EQ(canvas()->image(), after);
    }
}

TEST_F(CanvasTools, EscapeEndsADragLeavingNothingAndDragsAreClippedToTheCanvas) {
    const QImage before = canvas()->image().copy();
    key(Qt::Key_R);
    canvasPress(canvas(), {20, 20});
    canvasMove(canvas(), {100, 80});
    key(Qt::Key_Escape);
    EXPECT_EQ(shown(), before);
    canvasRelease(canvas(), {100, 80});
    EXPECT_EQ(canvas()->image(), before);
    EXPECT_EQ(editor->history().histTop(), 0);

    // The pen's stroke too.
    key(Qt::Key_D);
    canvasPress(canvas(), {20, 20});
    canvasMove(canvas(), {100, 80});
    ASSERT_NE(canvas()->image(), before);
    key(Qt::Key_Escape);
    canvasMove(canvas(), {120, 90});
    canvasRelease(canvas(), {120, 90});
    EXPECT_EQ(canvas()->image(), before);
    EXPECT_EQ(editor->history().histTop(), 0);

    // Out past the right and the top: the outline runs along the last column and first row.
    key(Qt::Key_R);
    drag({150, 100}, {500, -40});
    for (const QPoint p : {QPoint(199, 0), QPoint(150, 0), QPoint(199, 100), QPoint(150, 100)}) {
        EXPECT_EQ(at(p.x(), p.y()), kBlack) << p.x() << "," << p.y();
    }
    EXPECT_EQ(at(175, 50), before.pixel(175, 50));
}

TEST_F(CanvasTools, AMoveRepaintsOnlyWhereTheRectanglesPreviewChanged) {
    openAsCapture(pattern(1200, 800));
    canvas()->setFocus();
    key(Qt::Key_R);
    canvasPress(canvas(), {10, 10});
    canvasMove(canvas(), {1000, 700});
    QCoreApplication::processEvents();

    struct PaintSpy : QObject {
        QRegion painted;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint) {
                painted += static_cast<QPaintEvent*>(e)->region();
            }
            return false;
        }
    } spy;
    canvas()->installEventFilter(&spy);
    canvasMove(canvas(), {1003, 702});
    QCoreApplication::processEvents();
    canvas()->removeEventFilter(&spy);
    canvasRelease(canvas(), {1003, 702});

    qint64 area = 0;
    for (const QRect& r : spy.painted) {
        area += qint64(r.width()) * r.height();
    }
    // The old and new right and bottom edges and a few pixels of the top and left.
    EXPECT_GT(area, 0);
    EXPECT_LT(area, 4 * (1000 + 700));
    EXPECT_FALSE(spy.painted.contains(QPoint(500, 400)));
}

TEST_F(CanvasTools, CropKeepsThePartAndUndoRedoAndResetBringBackPictureAndWindow) {
    const QImage capture = pattern(300, 200);
    openAsCapture(capture);
    canvas()->setFocus();
    const QString windowBefore = editor->labels().lblMeHeight;
    const int heightBefore = window_metrics::heightTw(editor);

    key(Qt::Key_C);
    canvasPress(canvas(), {50, 40});
    canvasRelease(canvas(), {50, 40});  // a click alone crops nothing
    EXPECT_EQ(canvas()->image().size(), QSize(300, 200));
    drag({149, 119}, {50, 40});
    ASSERT_EQ(canvas()->image().size(), QSize(100, 80));
    EXPECT_EQ(canvas()->image(), capture.copy(50, 40, 100, 80));
    EXPECT_EQ(canvas()->widthTw(), 100 * 15 + 60);
    EXPECT_EQ(editor->labels().lblMeHeight, QString::number(80 * 15 + 60 + 1030));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return std::abs(window_metrics::heightTw(editor) - (80 * 15 + 60 + 1030)) < 15; }));
    EXPECT_EQ(editor->history().histTop(), 1);

    ctrlKey(Qt::Key_Z);
    EXPECT_EQ(canvas()->image(), capture);
    EXPECT_EQ(editor->labels().lblMeHeight, windowBefore);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return std::abs(window_metrics::heightTw(editor) - heightBefore) < 15; }));
    ctrlKey(Qt::Key_Y);
    EXPECT_EQ(canvas()->image(), capture.copy(50, 40, 100, 80));

    QTest::mouseClick(editor->btnReset, Qt::LeftButton);
    EXPECT_EQ(canvas()->image(), capture);
}

TEST_F(CanvasTools, ACropOrItsUndoThatRunsOutOfMemoryLeavesThePictureAndSaysSo) {
    openAsCapture(pattern(1000, 700));  // 2.8 MB
    canvas()->setFocus();
    key(Qt::Key_C);
    const QImage before = canvas()->image().copy();
    const QString window = editor->labels().lblMeHeight;
    {
        AddressSpaceLimit tight(1 << 20);
        drag({100, 100}, {899, 599});
    }
    EXPECT_EQ(canvas()->image(), before);
    EXPECT_EQ(editor->labels().lblMeHeight, window);
    EXPECT_EQ(editor->history().histTop(), 0);

    drag({100, 100}, {899, 599});
    const QImage cropped = canvas()->image().copy();
    ASSERT_EQ(cropped.size(), QSize(800, 500));
    {
        AddressSpaceLimit tight(1 << 20);
        ctrlKey(Qt::Key_Z);  // needs the whole picture again
    }
    EXPECT_EQ(canvas()->image(), cropped);
    ctrlKey(Qt::Key_Z);
    EXPECT_EQ(canvas()->image(), before) << "the failed undo must not have moved the history";
    ASSERT_EQ(messages.size(), 2) << messages.join("\n").toStdString();
    EXPECT_TRUE(messages[0].contains("não há memória suficiente")) << messages[0].toStdString();
}

TEST_F(CanvasTools, NumbersCountUpAnUndoTakesOneBackAndResetStartsAgain) {
    key(Qt::Key_N);
    NumberTool& numbers = tools().numberTool();
    EXPECT_EQ(numbers.next(), 1);
    drag({30, 30}, {30, 30});
    drag({80, 30}, {80, 30});
    const QImage two = canvas()->image().copy();
    EXPECT_EQ(numbers.next(), 3);
    ctrlKey(Qt::Key_Z);
    EXPECT_EQ(numbers.next(), 2);
    drag({80, 30}, {80, 30});  // 2 again, where it was
    EXPECT_EQ(canvas()->image(), two);
    ctrlKey(Qt::Key_Z);
    ctrlKey(Qt::Key_Y);
    EXPECT_EQ(numbers.next(), 3);

    // Stamped where the button is let go, the stamp centred there.
    drag({100, 100}, {150, 110});
    EXPECT_EQ(at(150, 110 - 10), canvas()->foreColor().rgb());
    EXPECT_NE(at(100, 100 - 10), canvas()->foreColor().rgb());

    QTest::mouseClick(editor->btnReset, Qt::LeftButton);
    EXPECT_EQ(numbers.next(), 1);
}

}  // namespace
