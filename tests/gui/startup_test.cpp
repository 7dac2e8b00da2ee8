// Start-up of the program from its settings row, in this process.
#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <functional>

#include "support/program_fixture.h"
#include "ui/units.h"
#include "ui/window_metrics.h"

namespace {

using StartUp = ProgramTest;

TEST_F(StartUp, EmptyPositionCentresTheWindowAndLabelsTakeTheRow) {
    dir.setField("fixWidth", "300");
    dir.setField("fixHeight", "200");
    dir.setField("miniLeft", "7680");
    ASSERT_EQ(start(), 0);
    LC_Form1_Ini* w = mainWindow();
    ASSERT_TRUE(w);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(window_metrics::leftTw(w), units::tw(units::px((screen.width() * 15 - 3810) / 2)));
    EXPECT_EQ(window_metrics::widthTw(w), 3810);
    EXPECT_EQ(w->size(), QSize(248, 115));
    EXPECT_TRUE(w->isVisible());

    const MainLabels& l = w->labels();
    EXPECT_EQ(l.lblDesktop, "0");
    EXPECT_EQ(l.lblMenu, "0");
    EXPECT_EQ(l.lblWindows, "0");
    EXPECT_EQ(l.lblMax, "1");
    EXPECT_EQ(l.lblToggleMax, "1");
    EXPECT_EQ(l.lblMinimized, "0");
    EXPECT_EQ(l.lblTaskbar, "0");
    EXPECT_EQ(l.lblMiniLeft, "7680");
    EXPECT_EQ(l.lblCopy, "0");
    EXPECT_EQ(w->txtWidth->text(), "300");
    EXPECT_EQ(w->txtHeight->text(), "200");
    EXPECT_TRUE(w->OptCapture0->isChecked());
    EXPECT_TRUE(w->OptAction0->isChecked());
    EXPECT_FALSE(w->OptAction1->isChecked());
}

TEST_F(StartUp, StoredPositionIsUsedAndOneOnNoScreenComesBack) {
    dir.setField("left", "1500");
    dir.setField("top", "3000");
    ASSERT_EQ(start(), 0);
    EXPECT_EQ(window_metrics::leftTw(mainWindow()), 1500);
    EXPECT_EQ(window_metrics::topTw(mainWindow()), 3000);

    // 3000 pixels down, beyond 16 bits of twips and below the only screen (its monitor was
    // unplugged): the window comes back to the screen's bottom edge, its left kept.
    forms().destroyAll();
    dir.setField("top", "45000");
    ASSERT_EQ(start(), 0);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(window_metrics::leftTw(mainWindow()), 1500);
    EXPECT_EQ(mainWindow()->pos().y() + units::px(window_metrics::heightTw(mainWindow())),
              screen.bottom() + 1);
}

TEST_F(StartUp, ShortcutFlagsAreSplitAtCharacter31) {
    dir.setField("atalhos", QString("1") + QChar(31) + "0" + QChar(31) + "1");
    ASSERT_EQ(start(), 0);
    EXPECT_EQ(mainWindow()->labels().lblDesktop, "1");
    EXPECT_EQ(mainWindow()->labels().lblMenu, "0");
    EXPECT_EQ(mainWindow()->labels().lblWindows, "1");
}

TEST_F(StartUp, UnusableSettingsStopWithStatusOneAndAMessageNamingTheFile) {
    struct Case {
        const char* what;
        std::function<void(TempProgramDir&)> breakIt;
        const char* mentions;
    };
    const std::vector<Case> cases{
        {"missing file", [](TempProgramDir& d) { QFile::remove(d.dbPath()); }, "não existe"},
        {"missing table", [](TempProgramDir& d) { d.exec("DROP TABLE Tabela1"); }, "Tabela1"},
        {"missing row", [](TempProgramDir& d) { d.exec("DELETE FROM Tabela1"); }, "id=1"},
        {"short atalhos", [](TempProgramDir& d) { d.setField("atalhos", "1"); }, "atalhos"},
        {"optMax", [](TempProgramDir& d) { d.setField("optMax", "sim"); }, "optMax"},
        {"iniMinimized", [](TempProgramDir& d) { d.setField("iniMinimized", ""); }, "iniMinimized"},
        {"left", [](TempProgramDir& d) { d.setField("left", "abc"); }, "left"},
        {"top", [](TempProgramDir& d) { d.setField("top", "1e99"); }, "top"},
        // The same rule for every field the program reads.
        {"miniTop", [](TempProgramDir& d) { d.setField("miniTop", "abc"); }, "miniTop"},
        {"miniLeft", [](TempProgramDir& d) { d.setField("miniLeft", "99999999999"); }, "miniLeft"},
        {"optTaskbar", [](TempProgramDir& d) { d.setField("optTaskbar", "sim"); }, "optTaskbar"},
        {"optMax 2", [](TempProgramDir& d) { d.setField("optMax", "2"); }, "optMax"},
        {"fixWidth", [](TempProgramDir& d) { d.setField("fixWidth", "abc"); }, "fixWidth"},
        {"fixHeight", [](TempProgramDir& d) { d.setField("fixHeight", "1.5"); }, "fixHeight"},
        {"quote in atalhos",
         [](TempProgramDir& d) {
             d.setField("atalhos", QString("1") + QChar(31) + "0'" + QChar(31) + "1");
         },
         "atalhos"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempProgramDir broken;
        c.breakIt(broken);
        messages.clear();
        EXPECT_EQ(startProgram(broken.path()), 1);
        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(messages[0].startsWith("Lumacap|")) << messages[0].toStdString();
        EXPECT_TRUE(messages[0].contains(broken.dbPath())) << messages[0].toStdString();
        EXPECT_TRUE(messages[0].contains(c.mentions)) << messages[0].toStdString();
        EXPECT_TRUE(forms().loaded().isEmpty());
    }
}

TEST_F(StartUp, NoticeLabelIsClearedAndTimerStopsAfterAHundredMs) {
    ASSERT_EQ(start(), 0);
    LC_Form1_Ini* w = mainWindow();
    EXPECT_TRUE(w->TimerMensagem->isActive());
    EXPECT_EQ(w->TimerMensagem->interval(), 100);
    EXPECT_TRUE(QTest::qWaitFor([w] { return !w->TimerMensagem->isActive(); }, 1000));
    EXPECT_TRUE(w->lblMensagem->text().isEmpty());
    EXPECT_TRUE(w->chkHide->isVisible());
}

}  // namespace
