// Notices shown by the main window: where they appear, how long they stay, which stay on top,
// and what a failing store shows instead.
#include "ui/notice.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QRadioButton>
#include <QTest>
#include <QWindow>

#include "support/program_fixture.h"
#include "ui/notice_window.h"
#include "ui/picture_button.h"
#include "ui/window_metrics.h"

namespace {

// The window manager's view of a window's state (_NET_WM_STATE), as other programs see it.
QString netWmState(const QWidget* w) {
    if (!w) {
        return QStringLiteral("(no window)");
    }
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral("xprop"),
            {QStringLiteral("-id"), QString::number(w->windowHandle()->winId()),
             QStringLiteral("_NET_WM_STATE")});
    p.waitForFinished(5000);
    return QString::fromLatin1(p.readAllStandardOutput());
}

class Notices : public ProgramTest {
protected:
    void SetUp() override {
        ASSERT_EQ(start(), 0);
        main = mainWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
        // A place that is not the centre, so that a notice placed elsewhere shows.
        window_metrics::moveTw(main, 4500, 3000);
        ASSERT_TRUE(QTest::qWaitFor([this] { return main->pos() == QPoint(300, 200); }, 3000));
    }

    LC_Form8_aviso* notice() { return forms().ifLoaded<LC_Form8_aviso>(); }

    // The notice's top-left corner as the X server has placed it.
    QPoint placed() { return notice() ? notice()->mapToGlobal(QPoint(0, 0)) : QPoint(-1, -1); }

    void click(PictureButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, 5)); }

    LC_Form1_Ini* main = nullptr;
};

TEST_F(Notices, PositionStoredShowsATopmostNoticeOverTheMainWindow) {
    click(main->btnPosition);
    EXPECT_EQ(dir.field("left"), "4500");
    EXPECT_EQ(dir.field("top"), "3000");
    EXPECT_EQ(beeps, 1);
    ASSERT_TRUE(notice());
    EXPECT_TRUE(notice()->isVisible());
    EXPECT_EQ(notice()->lblAviso->text(), "Posição gravada!");
    // 960 and 765 twips from the main window's corner: 64 and 51 pixels; 1890 x 540 twips.
    EXPECT_TRUE(QTest::qWaitFor([this] { return placed() == QPoint(364, 251); }, 3000))
        << placed().x() << "," << placed().y();
    EXPECT_EQ(notice()->size(), QSize(126, 36));
    EXPECT_TRUE(QTest::qWaitFor([this] { return netWmState(notice()).contains("ABOVE"); }, 3000))
        << netWmState(notice()).toStdString();
    // It never takes the focus from the window in use.
    EXPECT_FALSE(notice()->isActiveWindow());
    EXPECT_TRUE(notice()->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Notices, SizeStoredShowsANoticeThatIsNotTopmost) {
    QTest::mouseClick(main->OptCapture1, Qt::LeftButton);
    main->txtWidth->setText("300");
    main->txtHeight->setText("200");
    click(main->btnSaveText);
    EXPECT_EQ(dir.field("fixWidth"), "300");
    EXPECT_EQ(dir.field("fixHeight"), "200");
    EXPECT_EQ(beeps, 1);
    ASSERT_TRUE(notice());
    EXPECT_EQ(notice()->lblAviso->text(), "Valores salvos!");
    EXPECT_TRUE(QTest::qWaitForWindowExposed(notice()));
    EXPECT_TRUE(QTest::qWaitFor([this] { return placed() == QPoint(364, 251); }, 3000));
    EXPECT_FALSE(notice()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(netWmState(notice()).contains("ABOVE")) << netWmState(notice()).toStdString();
}

TEST_F(Notices, ShownTwiceWithinASecondIsOneWindowThatClosesASecondAfterTheLast) {
    click(main->btnPosition);
    const QPointer<LC_Form8_aviso> first = notice();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->TimerAviso->interval(), 1000);
    QTest::qWait(600);

    // The second showing may carry another text and place.
    QElapsedTimer sinceSecond;
    sinceSecond.start();
    showNotice(QStringLiteral("Dois"), 3000, 4500, true);
    EXPECT_EQ(notice(), first.data());
    EXPECT_EQ(first->lblAviso->text(), "Dois");
    EXPECT_EQ(first->pos(), QPoint(200, 300));
    EXPECT_EQ(forms().loaded().size(), 2);  // the main window and one notice
    // Had the second showing not restarted the count, it would close 400 ms from here.
    QTest::qWait(800);
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return first.isNull(); }, 2000));
    EXPECT_GE(sinceSecond.elapsed(), 1000);
    EXPECT_LE(sinceSecond.elapsed(), 1500);
    EXPECT_FALSE(notice());

    // The next notice makes a new window, starting again from nothing.
    showNotice(QStringLiteral("x"), 0, 0, false);
    ASSERT_TRUE(notice());
    EXPECT_TRUE(notice()->isVisible());
    EXPECT_EQ(notice()->TimerAviso->interval(), 1000);
}

TEST_F(Notices, AFailingStoreIsReportedAndShowsNoSuccess) {
    const QString widthBefore = main->txtWidth->text();
    ASSERT_TRUE(QFile::remove(dir.dbPath()));
    click(main->btnPosition);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("Erro|Erro ao gravar configurações: "))
        << messages[0].toStdString();
    EXPECT_TRUE(messages[0].contains(dir.dbPath()));
    EXPECT_TRUE(messages[0].contains("não existe"));

    // A settings file whose table is gone fails the size store too, with its own reason.
    TempProgramDir other;
    QFile::copy(other.dbPath(), dir.dbPath());
    dir.exec("DROP TABLE Tabela1");
    main->txtWidth->setText("321");
    click(main->btnSaveText);
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages[1].startsWith("Erro|Erro ao gravar configurações: "))
        << messages[1].toStdString();
    EXPECT_TRUE(messages[1].contains("Tabela1")) << messages[1].toStdString();

    EXPECT_EQ(beeps, 0);
    EXPECT_FALSE(notice());
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->txtWidth->text(), "321");
    EXPECT_NE(widthBefore, "321");
}

}  // namespace
