// The option buttons and check boxes of the windows as they are drawn: each group shows exactly
// the choice in force, and nothing of them is cut.
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

#include "options/options_window.h"
#include "support/editor_fixture.h"

namespace {

using Choices = EditorTest;

QList<int> chosen(const QList<QRadioButton*>& group) {
    QList<int> on;
    for (int i = 0; i < group.size(); ++i) {
        if (group[i]->isChecked()) {
            on << i;
        }
    }
    return on;
}

TEST_F(Choices, EachGroupShowsExactlyTheChoiceInForce) {
    LC_Form1_Ini* m = mainWindow();
    const QList<QRadioButton*> mode{m->OptCapture0, m->OptCapture1, m->OptCapture2};
    const QList<QRadioButton*> action{m->OptAction0, m->OptAction1};
    struct Step {
        QRadioButton* click;
        int mode;
        int action;
    };
    for (const Step& s :
         {Step{m->OptAction1, 0, 1}, Step{m->OptAction0, 0, 0}, Step{m->OptCapture1, 1, 0},
          Step{m->OptAction1, 1, 1}, Step{m->OptCapture2, 2, 1}, Step{m->OptAction0, 2, 0}}) {
        SCOPED_TRACE(s.click->objectName().toStdString());
        QTest::mouseClick(s.click, Qt::LeftButton, {}, QPoint(7, 7));
        EXPECT_EQ(chosen(mode), QList<int>{s.mode});
        EXPECT_EQ(chosen(action), QList<int>{s.action});
        EXPECT_EQ(m->labels().lblCopy, s.action == 1 ? "1" : "0");
    }

    m->btnConfig_Click();
    auto* o = forms().ifLoaded<LC_Form4_config>();
    ASSERT_TRUE(o);
    const QList<QList<QRadioButton*>> pairs{
        {o->optMax, o->optMini}, {o->optTaskbar, o->optTray}, {o->optMinimized1, o->optMinimized0}};
    for (const auto& pair : pairs) {
        for (int i : {1, 0}) {
            QTest::mouseClick(pair[i], Qt::LeftButton, {}, QPoint(7, 7));
            EXPECT_EQ(chosen(pair), QList<int>{i}) << pair[i]->objectName().toStdString();
        }
    }
    for (const auto& pair : pairs) {
        EXPECT_EQ(chosen(pair), QList<int>{0}) << pair[0]->objectName().toStdString();
    }
}

// The pixels of `w` drawn at `size` that differ from its background; for a text box only its
// text (the frame grows with the box).
int inkAt(QWidget* w, QSize size) {
    const QSize old = w->size();
    w->resize(size);
    const QImage image = w->grab().toImage();
    w->resize(old);
    const bool textOnly = qobject_cast<QLineEdit*>(w) != nullptr;
    const int background = qGray(w->palette().color(w->backgroundRole()).rgb());
    int ink = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int gray = qGray(image.pixel(x, y));
            ink += textOnly ? gray < 0x60 : std::abs(gray - background) > 0x20;
        }
    }
    return ink;
}

// Every check box, option button and text box of `window` is drawn whole at its size, lies
// inside its parent, and inside a frame lies below the frame's caption and line.
void expectNothingCut(QWidget* window) {
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!qobject_cast<QCheckBox*>(w) && !qobject_cast<QRadioButton*>(w) &&
            !qobject_cast<QLineEdit*>(w)) {
            continue;
        }
        if (!w->isVisibleTo(window)) {
            continue;
        }
        SCOPED_TRACE((window->objectName() + "." + w->objectName()).toStdString());
        const QWidget* parent = w->parentWidget();
        EXPECT_TRUE(parent->rect().contains(w->geometry()));
        if (const auto* frame = qobject_cast<const QGroupBox*>(parent)) {
            EXPECT_TRUE(frame->contentsRect().contains(w->geometry()));
        }
        EXPECT_EQ(inkAt(w, w->size()), inkAt(w, w->size() + QSize(40, 20)));
    }
}

TEST_F(Choices, NothingVisibleIsCut) {
    LC_Form1_Ini* m = mainWindow();
    m->OptCapture1->click();  // the fixed-size boxes in view
    expectNothingCut(m);

    openAsCapture(pattern(300, 200));
    QTest::mouseClick(editor->btnText, Qt::LeftButton);  // the text box, at its shown height
    ASSERT_TRUE(editor->fraText->isVisible());
    expectNothingCut(editor);

    m->btnConfig_Click();
    auto* o = forms().ifLoaded<LC_Form4_config>();
    ASSERT_TRUE(o);
    expectNothingCut(o);
}

}  // namespace
