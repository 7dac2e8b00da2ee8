// The text tool: showing, arming and dragging the text box, and printing it into the canvas.
#include "editor/text_tool.h"

#include <QLineEdit>
#include <QScrollBar>

#include "editor/canvas_stamp.h"
#include "editor/swatch.h"
#include "support/editor_fixture.h"

namespace {

using ModifiersFn = decltype(platform::Services::keyboardModifiers);
using FontFn = decltype(platform::Services::chooseFont);

class TextTool : public EditorTest {
protected:
    // A click on btnText with these keys held.
    void clickText(Qt::KeyboardModifiers keys) {
        held = keys;
        QTest::mouseClick(editor->btnText, Qt::LeftButton);
        held = {};
    }

    // Shows the frame and arms the box, as the user does.
    void showAndArm() {
        clickText({});
        ASSERT_TRUE(editor->fraText->isVisible());
        clickText(Qt::ShiftModifier);
        ASSERT_TRUE(editor->textTool().textArmed);
    }

    QLineEdit* box() { return editor->TextPic; }
    QPoint frameTopLeftTw() {
        return {units::tw(editor->fraText->x()), units::tw(editor->fraText->y())};
    }

    // The canvas as it should be after printing the box's text at the frame's place.
    QImage expectedStamp(const QImage& before, const QFont& font) {
        const int x = units::tw(editor->fraText->x()) - units::tw(canvas()->x());
        // The viewport lies 540 twips down, under the toolbar's two rows.
        const int y = units::tw(editor->fraText->y()) - units::tw(canvas()->y()) - 570;
        QImage expected = before;
        canvas_stamp::printText(expected, QPoint(units::px(x), units::px(y)), box()->text(), font,
                                canvas()->foreColor());
        return expected;
    }

    // Face, size and style: what the dialog hands over.
    static ::testing::AssertionResult sameFont(const QFont& a, const QFont& b) {
        if (a.family() == b.family() && a.pointSizeF() == b.pointSizeF() && a.bold() == b.bold() &&
            a.italic() == b.italic() && a.underline() == b.underline()) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure()
               << a.toString().toStdString() << " is not " << b.toString().toStdString();
    }

    static QFont arial10() {
        QFont f(QStringLiteral("Arial"));
        f.setPointSize(10);
        return f;
    }

    Qt::KeyboardModifiers held;
    platform::ScopedService<ModifiersFn> keys_{platform::services().keyboardModifiers,
                                               [this] { return held; }};
    QList<QFont> dialogOpenedWith;
    platform::FontChoice dialogAnswer;
    platform::ScopedService<FontFn> fonts_{platform::services().chooseFont,
                                           [this](QWidget*, const QFont& initial) {
                                               dialogOpenedWith << initial;
                                               return dialogAnswer;
                                           }};
};

TEST_F(TextTool, PlainClicksShowAndHideTheFrameBesideTheToolbar) {
    openAsCapture(pattern(300, 200));
    EXPECT_EQ(box()->text(), "Escreva um texto aqui");
    EXPECT_EQ(box()->toolTip(), " Arraste-me e solte na imagem ");
    clickText({});
    EXPECT_TRUE(editor->fraText->isVisible());
    EXPECT_EQ(editor->labels().lblText, "1");
    EXPECT_EQ(editor->fraText->x(), editor->fraPicture->x() + units::px(280));
    // 200 twips, or the least more that shows the text whole (NothingVisibleIsCut).
    EXPECT_GE(box()->height(), units::px(200));
    EXPECT_LT(box()->height(), units::px(240) + 4);
    EXPECT_EQ(box()->y(), 0);
    EXPECT_FALSE(editor->textTool().textArmed);
    clickText({});
    EXPECT_FALSE(editor->fraText->isVisible());
    EXPECT_EQ(editor->labels().lblText, "0");
    EXPECT_TRUE(dialogOpenedWith.isEmpty());
}

TEST_F(TextTool, ShiftClickWhileTheFrameIsHiddenStillArmsTheBoxAndWhitensTheFrame) {
    openAsCapture(pattern(300, 200));
    ASSERT_FALSE(editor->fraText->isVisible());
    clickText(Qt::ShiftModifier | Qt::ControlModifier);  // Shift wins over Ctrl
    EXPECT_TRUE(editor->textTool().textArmed);
    EXPECT_EQ(swatch::color(editor->fraText), QColor(Qt::white));
    EXPECT_EQ(box()->selectedText(), box()->text());
    EXPECT_FALSE(editor->fraText->isVisible()) << "arming does not show the frame";
    EXPECT_TRUE(dialogOpenedWith.isEmpty());

    // Once the frame is shown, one press and release on the box prints it where it stands.
    clickText({});
    editor->fraText->move(editor->fraText->x(), units::px(900));  // over the picture
    const QImage before = canvas()->image();
    const QImage expected = expectedStamp(before, arial10());
    QTest::mousePress(box(), Qt::LeftButton, {}, QPoint(10, 5));
    QTest::mouseRelease(box(), Qt::LeftButton, {}, QPoint(10, 5));
    EXPECT_FALSE(editor->textTool().textArmed);
    EXPECT_NE(canvas()->image(), before);
    EXPECT_EQ(canvas()->image(), expected);
}

TEST_F(TextTool, ArmedPressAndReleasePrintsAfterRecordingAStepAndPutsTheFrameBack) {
    openAsCapture(pattern(400, 200));
    canvas()->setForeColor(QColor(200, 0, 0));
    showAndArm();
    box()->setText(QStringLiteral("Olá"));
    const double homeBefore = units::tw(editor->fraText->x());
    const QImage before = canvas()->image();
    // Drag the frame down onto the picture, then release: stamped where it now stands.
    QTest::mousePress(box(), Qt::LeftButton, {}, QPoint(10, 5));
    QTest::mouseMove(box(), QPoint(30, 85));
    EXPECT_EQ(frameTopLeftTw(),
              QPoint(units::tw(editor->fraPicture->x() + units::px(280) + 20), units::tw(80)));
    const QImage expected = expectedStamp(before, arial10());
    QTest::mouseRelease(box(), Qt::LeftButton, {}, QPoint(10, 5));

    EXPECT_EQ(canvas()->image(), expected);
    ASSERT_EQ(editor->history().histTop(), 1);
    EXPECT_TRUE(editor->history().record(1).picture.matches(before)) << "step before printing";
    EXPECT_EQ(editor->textTool().homeLeft, homeBefore);
    EXPECT_EQ(editor->fraText->x(), units::px(homeBefore));
    EXPECT_EQ(editor->fraText->y(), units::px(-30));
    EXPECT_EQ(editor->fraText->height(), units::px(260));
    EXPECT_EQ(box()->pos(), QPoint(units::px(30), 0));
    EXPECT_TRUE(canvas()->hasFocus());
    EXPECT_EQ(swatch::color(editor->fraText), QColor(Qt::white)) << "stays white";

    // Unarmed now: another press and release prints nothing.
    const QImage after = canvas()->image();
    QTest::mousePress(box(), Qt::LeftButton, {}, QPoint(10, 5));
    QTest::mouseRelease(box(), Qt::LeftButton, {}, QPoint(10, 5));
    EXPECT_EQ(canvas()->image(), after);
    EXPECT_EQ(editor->history().histTop(), 1);
}

TEST_F(TextTool, OnlyALeftButtonDragOfAnArmedBoxMovesTheFrame) {
    openAsCapture(pattern(300, 200));
    clickText({});
    QPoint home = editor->fraText->pos();

    // Not armed: the frame stays, but the press still records the grab and home.
    QTest::mousePress(box(), Qt::LeftButton, {}, QPoint(12, 4));
    QTest::mouseMove(box(), QPoint(60, 40));
    QTest::mouseRelease(box(), Qt::LeftButton, {}, QPoint(60, 40));
    EXPECT_EQ(editor->fraText->pos(), home);
    EXPECT_EQ(editor->grabX, units::tw(12));
    EXPECT_EQ(editor->grabY, units::tw(4));
    EXPECT_EQ(editor->textTool().homeLeft, units::tw(home.x()));

    // Right button, armed: no grab is taken and the frame stays (its release prints, as any).
    clickText(Qt::ShiftModifier);
    QTest::mousePress(box(), Qt::RightButton, {}, QPoint(20, 6));
    EXPECT_EQ(editor->grabX, units::tw(12));
    QTest::mouseMove(box(), QPoint(70, 50));
    EXPECT_EQ(editor->fraText->pos(), home);
    QTest::mouseRelease(box(), Qt::RightButton, {}, QPoint(70, 50));
    EXPECT_FALSE(editor->textTool().textArmed);

    // Left and right together: still no move.
    clickText(Qt::ShiftModifier);
    home = editor->fraText->pos();
    QTest::mousePress(box(), Qt::LeftButton, {}, QPoint(20, 6));
    QTest::mousePress(box(), Qt::RightButton, {}, QPoint(20, 6));
    QTest::mouseMove(box(), QPoint(80, 60));
    EXPECT_EQ(editor->fraText->pos(), home);
    QTest::mouseRelease(box(), Qt::RightButton, {}, QPoint(80, 60));
    QTest::mouseRelease(box(), Qt::LeftButton, {}, QPoint(80, 60));

    // Left alone: the frame follows, keeping the grab point under the pointer.
    clickText(Qt::ShiftModifier);
    home = editor->fraText->pos();
    editor->history().historyLocked = true;
    QTest::mousePress(box(), Qt::LeftButton, {}, QPoint(20, 6));
    QTest::mouseMove(box(), QPoint(25, 9));
    EXPECT_EQ(editor->fraText->pos(), home + QPoint(5, 3));
    QTest::mouseMove(box(), QPoint(20, 16));
    EXPECT_EQ(editor->fraText->pos(), home + QPoint(5, 13));
    EXPECT_FALSE(editor->history().historyLocked);
    QTest::mouseRelease(box(), Qt::LeftButton, {}, QPoint(20, 6));
}

TEST_F(TextTool, WithTheCanvasScrolledTheTextLandsAtTheCanvasPointUnderTheFrame) {
    openInWindow(pattern(1200, 900), {600, 400});
    ASSERT_TRUE(editor->HBar->isVisible());
    ASSERT_TRUE(editor->VBar->isVisible());
    editor->HBar->setValue(editor->HBar->maximum() / 2);
    editor->VBar->setValue(editor->VBar->maximum() / 2);
    ASSERT_LT(canvas()->x(), -100);
    ASSERT_LT(canvas()->y(), -100);
    canvas()->setForeColor(Qt::black);
    showAndArm();
    box()->setText(QStringLiteral("I"));
    QTest::mousePress(box(), Qt::LeftButton, {}, QPoint(10, 5));
    QTest::mouseMove(box(), QPoint(110, 205));

    const QPoint frameInCanvas =
        canvas()->toImage(canvas()->mapFrom(editor->fraMain, editor->fraText->pos()));
    const QImage before = canvas()->image();
    QTest::mouseRelease(box(), Qt::LeftButton, {}, QPoint(10, 5));

    // The first changed pixel of the stamp lies just inside the frame's canvas point, far from
    // the same point of the visible area.
    QRect changed;
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x) {
            if (before.pixel(x, y) != canvas()->image().pixel(x, y)) {
                changed |= QRect(x, y, 1, 1);
            }
        }
    }
    ASSERT_FALSE(changed.isNull());
    EXPECT_GE(changed.left(), frameInCanvas.x());
    EXPECT_LE(changed.left(), frameInCanvas.x() + 6);
    EXPECT_GE(changed.top(), frameInCanvas.y());
    EXPECT_LE(changed.top(), frameInCanvas.y() + 6);
}

TEST_F(TextTool, TheStampUsesTheFontChosenInTheDialogAndTheBoxShowsIt) {
    openAsCapture(pattern(400, 200));
    QFont chosen(QStringLiteral("Liberation Serif"));
    chosen.setPointSize(20);
    chosen.setBold(true);
    chosen.setItalic(true);
    chosen.setUnderline(true);
    dialogAnswer = {chosen, true};
    clickText(Qt::ControlModifier);
    ASSERT_EQ(dialogOpenedWith.size(), 1);
    EXPECT_EQ(dialogOpenedWith[0].family(), arial10().family());
    EXPECT_EQ(dialogOpenedWith[0].pointSize(), 10);
    EXPECT_TRUE(sameFont(box()->font(), chosen));
    EXPECT_TRUE(sameFont(canvas()->font(), chosen));
    EXPECT_FALSE(editor->textTool().textArmed);

    // A plain press and release on the unarmed box keeps the chosen font.
    clickText({});
    QTest::mousePress(box(), Qt::LeftButton, {}, QPoint(10, 5));
    QTest::mouseRelease(box(), Qt::LeftButton, {}, QPoint(10, 5));
    EXPECT_TRUE(sameFont(canvas()->font(), chosen));

    clickText(Qt::ShiftModifier);
    box()->setText(QStringLiteral("Ab"));
    // Over the canvas, below the toolbar's two rows.
    editor->fraText->move(editor->fraText->x(), editor->PicOuter->y() + 10);
    const QImage before = canvas()->image();
    const QImage expected = expectedStamp(before, chosen);
    ASSERT_NE(expected, expectedStamp(before, arial10()));
    QTest::mousePress(box(), Qt::LeftButton, {}, QPoint(10, 5));
    QTest::mouseRelease(box(), Qt::LeftButton, {}, QPoint(10, 5));
    EXPECT_EQ(canvas()->image(), expected);

    // Cancelling the dialog changes nothing.
    QFont other(QStringLiteral("Arial"));
    other.setPointSize(30);
    dialogAnswer = {other, false};
    clickText(Qt::ControlModifier);
    EXPECT_EQ(dialogOpenedWith.size(), 2);
    EXPECT_TRUE(sameFont(dialogOpenedWith[1], chosen));
    EXPECT_TRUE(sameFont(canvas()->font(), chosen));
    EXPECT_TRUE(sameFont(box()->font(), chosen));
}

TEST_F(TextTool, AnEmptyBoxPrintsNothingButRecordsTheStep) {
    openAsCapture(pattern(300, 200));
    showAndArm();
    box()->clear();
    const QImage before = canvas()->image();
    QTest::mousePress(box(), Qt::LeftButton, {}, QPoint(10, 5));
    QTest::mouseRelease(box(), Qt::LeftButton, {}, QPoint(10, 5));
    EXPECT_EQ(canvas()->image(), before);
    EXPECT_EQ(editor->history().histTop(), 1);
}

}  // namespace
