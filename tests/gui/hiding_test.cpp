// Hiding the program: the tray icon, the taskbar when there is no tray, the start in the tray.
#include <QApplication>
#include <QSystemTrayIcon>
#include <QTest>

#include "support/program_fixture.h"
#include "toolbar/compact_toolbar.h"
#include "ui/picture_button.h"

namespace {

class Hiding : public ProgramTest {
protected:
    QSystemTrayIcon* icon() { return mainWindow()->findChild<QSystemTrayIcon*>("nid"); }

    // Tray icons this process has docked: each is a small top-level window of its own.
    int dockedIcons() {
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            n += w->isVisible() && w->inherits("QSystemTrayIconSys");
        }
        return n;
    }

    void pressMinimize() {
        QTest::mouseClick(mainWindow()->btnMinimize, Qt::LeftButton, {}, QPoint(5, 5));
    }

    using TrayFn = decltype(platform::Services::trayAvailable);
};

TEST_F(Hiding, MinimizeButtonHidesTheWindowAndDocksOneIconWithTheProgramsLook) {
    ASSERT_EQ(start(), 0);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(mainWindow()));
    pressMinimize();
    EXPECT_FALSE(mainWindow()->isVisible());
    ASSERT_TRUE(icon());
    EXPECT_TRUE(icon()->isVisible());
    EXPECT_EQ(icon()->toolTip(), "Morvell Lumacap");
    EXPECT_FALSE(icon()->icon().isNull());
    EXPECT_TRUE(QTest::qWaitFor([this] { return dockedIcons() == 1; }, 3000));

    // A second hide while the icon is up leaves one icon.
    mainWindow()->minimize_to_tray();
    QTest::qWait(200);
    EXPECT_EQ(dockedIcons(), 1);
}

TEST_F(Hiding, EitherButtonOnTheIconBringsTheWindowBackAndRemovesTheIcon) {
    ASSERT_EQ(start(), 0);
    for (auto reason : {QSystemTrayIcon::Trigger, QSystemTrayIcon::Context}) {
        SCOPED_TRACE(reason);
        pressMinimize();
        ASSERT_FALSE(mainWindow()->isVisible());
        Q_EMIT icon()->activated(reason);
        EXPECT_TRUE(QTest::qWaitFor([this] { return mainWindow()->isVisible(); }, 2000));
        EXPECT_FALSE(mainWindow()->isMinimized());
        EXPECT_FALSE(icon()->isVisible());
        EXPECT_TRUE(QTest::qWaitFor([this] { return dockedIcons() == 0; }, 3000));
    }
    // The middle button is not a way back, and does not lose the icon.
    pressMinimize();
    Q_EMIT icon()->activated(QSystemTrayIcon::MiddleClick);
    QTest::qWait(100);
    EXPECT_FALSE(mainWindow()->isVisible());
    EXPECT_TRUE(icon()->isVisible());
}

TEST_F(Hiding, WithoutATrayTheWindowGoesToTheTaskbar) {
    platform::ScopedService<TrayFn> noTray(platform::services().trayAvailable,
                                           [] { return false; });
    ASSERT_EQ(start(), 0);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(mainWindow()));
    pressMinimize();
    EXPECT_TRUE(mainWindow()->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([this] { return mainWindow()->isMinimized(); }, 2000));
    EXPECT_TRUE(!icon() || !icon()->isVisible());
    EXPECT_EQ(dockedIcons(), 0);
}

TEST_F(Hiding, StartHiddenStartsInTheTrayOrOnTheTaskbar) {
    dir.setField("iniMinimized", "1");
    {
        ASSERT_EQ(start(), 0);
        EXPECT_FALSE(mainWindow()->isVisible());
        EXPECT_TRUE(icon()->isVisible());
        forms().destroyAll();
        EXPECT_TRUE(QTest::qWaitFor([this] { return dockedIcons() == 0; }, 3000));
    }
    platform::ScopedService<TrayFn> noTray(platform::services().trayAvailable,
                                           [] { return false; });
    ASSERT_EQ(start(), 0);
    EXPECT_TRUE(mainWindow()->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([this] { return mainWindow()->isMinimized(); }, 2000));
    EXPECT_TRUE(!icon() || !icon()->isVisible());
}

TEST_F(Hiding, TheCompactToolbarGoesToTheTrayAndComesBackInsteadOfTheMainWindow) {
    ASSERT_EQ(start(), 0);
    QTest::mouseClick(mainWindow()->btnMini, Qt::LeftButton, {}, QPoint(5, 5));
    auto* bar = forms().ifLoaded<LC_Form7_mini>();
    ASSERT_TRUE(bar);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !mainWindow()->isVisible(); }, 1000));
    QTest::mouseClick(bar->btnTray, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_FALSE(bar->isVisible());
    EXPECT_TRUE(icon()->isVisible());
    Q_EMIT icon()->activated(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(QTest::qWaitFor([bar] { return bar->isVisible(); }, 2000));
    EXPECT_FALSE(mainWindow()->isVisible());
    EXPECT_FALSE(icon()->isVisible());
}

TEST_F(Hiding, CompactStartInTheTrayAddsTheIconTwiceAndLeavesOne) {
    dir.setField("optMax", "0");
    dir.setField("iniMinimized", "1");
    ASSERT_EQ(start(), 0);
    auto* bar = forms().ifLoaded<LC_Form7_mini>();
    ASSERT_TRUE(bar);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_FALSE(mainWindow()->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([this] { return dockedIcons() == 1; }, 3000));
    QTest::qWait(300);
    EXPECT_EQ(dockedIcons(), 1);
    Q_EMIT icon()->activated(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(QTest::qWaitFor([bar] { return bar->isVisible(); }, 2000));
    EXPECT_FALSE(mainWindow()->isVisible());
}

TEST_F(Hiding, EndingTheProgramRemovesTheIcon) {
    ASSERT_EQ(start(), 0);
    pressMinimize();
    ASSERT_TRUE(QTest::qWaitFor([this] { return dockedIcons() == 1; }, 3000));
    QSystemTrayIcon* nid = icon();
    mainWindow()->UnloadAllForms();
    // The window itself goes later; the icon must be gone already.
    EXPECT_FALSE(nid->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([this] { return dockedIcons() == 0; }, 3000));
}

}  // namespace
