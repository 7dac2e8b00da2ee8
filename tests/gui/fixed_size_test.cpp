// The fixed capture size boxes as the user types into them, pastes into them and stores them.
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

#include "support/program_fixture.h"

namespace {

class FixedSize : public ProgramTest {
protected:
    void SetUp() override {
        ASSERT_EQ(start(), 0);
        w = mainWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
        QTest::mouseClick(w->OptCapture1, Qt::LeftButton);
        screen = QGuiApplication::primaryScreen()->geometry().size();
    }

    LC_Form1_Ini* w = nullptr;
    QSize screen;
};

TEST_F(FixedSize, OnlyDigitsBackspaceAndEnterReachTheBoxes) {
    for (QLineEdit* box : {w->txtWidth, w->txtHeight}) {
        SCOPED_TRACE(box->objectName().toStdString());
        box->setFocus();
        box->setText("100");
        box->selectAll();
        QTest::keyClicks(box, "x- .");
        EXPECT_EQ(box->text(), "100");
        EXPECT_TRUE(box->hasSelectedText());  // nothing typed over the selection
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(box->text(), "100");
        box->end(false);
        QTest::keyClicks(box, "2");
        EXPECT_EQ(box->text(), "1002");
        QTest::keyClick(box, Qt::Key_Backspace);
        EXPECT_EQ(box->text(), "100");
        // Caret keys still move the caret.
        QTest::keyClick(box, Qt::Key_Home);
        EXPECT_EQ(box->cursorPosition(), 0);
    }
}

TEST_F(FixedSize, EveryChangeIsRangeChecked) {
    QLineEdit* width = w->txtWidth;
    QLineEdit* height = w->txtHeight;
    // Deleting all the text puts "10" back at once.
    width->selectAll();
    QTest::keyClick(width, Qt::Key_Backspace);
    EXPECT_EQ(width->text(), "10");
    // Typing 2 over the whole text leaves "10": the check runs after every keystroke.
    width->setText("500");
    width->selectAll();
    QTest::keyClicks(width, "2");
    EXPECT_EQ(width->text(), "10");

    // Above the screen size the box holds the screen size, with the caret at its end.
    width->setText("");
    QTest::keyClicks(width, "5000");
    EXPECT_EQ(width->text(), QString::number(screen.width()));
    EXPECT_EQ(width->cursorPosition(), width->text().size());
    height->setText(QString::number(screen.height() + 1));
    EXPECT_EQ(height->text(), QString::number(screen.height()));
    height->setText(QString::number(screen.height()));
    EXPECT_EQ(height->text(), QString::number(screen.height()));
    // Each box has the limit of its own axis.
    width->setText(QString::number(screen.height() + 1));
    EXPECT_EQ(width->text(), QString::number(screen.height() + 1));
}

TEST_F(FixedSize, PastedTextIsCheckedLikeTypedText) {
    QLineEdit* width = w->txtWidth;
    struct Paste {
        const char* text;
        QString expected;
    };
    const Paste pastes[] = {
        {"4a0b0", "400"},
        {"hello", "10"},
        {"123456789012345678901234567890", QString::number(screen.width())},
        {"-5", "10"},
    };
    for (const Paste& p : pastes) {
        SCOPED_TRACE(p.text);
        QGuiApplication::clipboard()->setText(QString::fromLatin1(p.text));
        width->setText("500");
        width->selectAll();
        width->paste();
        EXPECT_EQ(width->text(), p.expected);
    }
}

TEST_F(FixedSize, StoredValuesAreTheBoxesAtTheNextStart) {
    w->txtWidth->setText("300");
    w->txtHeight->setText("200");
    QTest::mouseClick(w->findChild<QWidget*>("btnSaveText"), Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_EQ(dir.field("fixWidth"), "300");
    EXPECT_EQ(dir.field("fixHeight"), "200");

    forms().destroyAll();
    ASSERT_EQ(start(), 0);
    EXPECT_EQ(mainWindow()->txtWidth->text(), "300");
    EXPECT_EQ(mainWindow()->txtHeight->text(), "200");

    // Values that are out of range in the file are checked as they are loaded.
    forms().destroyAll();
    dir.setField("fixWidth", "999999");
    dir.setField("fixHeight", "");
    ASSERT_EQ(start(), 0);
    EXPECT_EQ(mainWindow()->txtWidth->text(), QString::number(screen.width()));
    EXPECT_EQ(mainWindow()->txtHeight->text(), "10");
}

}  // namespace
