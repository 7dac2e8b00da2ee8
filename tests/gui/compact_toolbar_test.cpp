// The compact toolbar as a real window in this process.
#include "toolbar/compact_toolbar.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>

#include "support/program_fixture.h"
#include "ui/notice_window.h"
#include "ui/picture_button.h"
#include "ui/units.h"
#include "ui/window_metrics.h"

namespace {

class CompactToolbar : public ProgramTest {
protected:
    void SetUp() override { ASSERT_EQ(start(), 0); }
    LC_Form7_mini* openToolbar() {
        mainWindow()->btnMini_Click();
        return forms().ifLoaded<LC_Form7_mini>();
    }
};

TEST_F(CompactToolbar, FirstUseIsCentredAndTheMainWindowHidesAfter250Ms) {
    LC_Form7_mini* bar = openToolbar();
    ASSERT_TRUE(bar);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->size(), QSize(60, 31));
    EXPECT_EQ(mainWindow()->labels().lblToggleMax, "0");
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(bar->pos(), QPoint(units::px((screen.width() * 15 - 900) / 2),
                                 units::px((screen.height() * 15 - 465) / 2)));
    EXPECT_TRUE(mainWindow()->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !mainWindow()->isVisible(); }, 1000));
}

TEST_F(CompactToolbar, TwoPressesOnTopRestoreLayeringTooltipAndLabels) {
    LC_Form7_mini* bar = openToolbar();
    const QString tipBefore = bar->btnTop->toolTip();
    EXPECT_EQ(tipBefore, " Manter na frente ");
    bar->btnTop_Click();
    EXPECT_TRUE(bar->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(bar->btnTop->toolTip(), " Desfazer manter na frente ");
    EXPECT_EQ(bar->lblCheckTop->text(), "1");
    EXPECT_EQ(mainWindow()->labels().lblCheckTop, "1");
    EXPECT_TRUE(bar->isVisible());
    bar->btnTop_Click();
    EXPECT_FALSE(bar->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(bar->btnTop->toolTip(), tipBefore);
    EXPECT_EQ(bar->lblCheckTop->text(), "0");
    EXPECT_EQ(mainWindow()->labels().lblCheckTop, "0");
}

TEST_F(CompactToolbar, KeepOnTopSurvivesClosingAndReopening) {
    LC_Form7_mini* bar = openToolbar();
    bar->btnTop_Click();
    bar->btnCloseMini_Click();
    EXPECT_EQ(mainWindow()->labels().lblToggleMax, "1");
    EXPECT_TRUE(mainWindow()->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !forms().ifLoaded<LC_Form7_mini>(); }, 1000));

    bar = openToolbar();
    EXPECT_TRUE(bar->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(bar->btnTop->toolTip(), " Desfazer manter na frente ");
    EXPECT_EQ(bar->lblCheckTop->text(), "1");
}

TEST_F(CompactToolbar, StoredPositionGoesToTheRowTheNoticeAndTheNextLoad) {
    LC_Form7_mini* bar = openToolbar();
    window_metrics::moveTw(bar, 7680, 4320);
    bar->btnPosition_Click();
    EXPECT_EQ(dir.field("miniLeft"), "7680");
    EXPECT_EQ(dir.field("miniTop"), "4320");
    EXPECT_EQ(beeps, 1);
    auto* notice = forms().ifLoaded<LC_Form8_aviso>();
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->lblAviso->text(), "Posição gravada!");
    EXPECT_EQ(window_metrics::leftTw(notice), 7230);
    EXPECT_EQ(window_metrics::topTw(notice), 4320);
    EXPECT_TRUE(notice->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    bar->btnCloseMini_Click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !forms().ifLoaded<LC_Form7_mini>(); }, 1000));
    bar = openToolbar();
    EXPECT_EQ(window_metrics::leftTw(bar), 7680);
    EXPECT_EQ(window_metrics::topTw(bar), 4320);
}

TEST_F(CompactToolbar, FailedStoreSaysSoAndShowsNoNotice) {
    LC_Form7_mini* bar = openToolbar();
    QFile::remove(dir.dbPath());
    bar->btnPosition_Click();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("Erro|Erro ao gravar configurações: "));
    EXPECT_EQ(forms().ifLoaded<LC_Form8_aviso>(), nullptr);
    EXPECT_EQ(mainWindow()->labels().lblMiniLeft, "0");
}

}  // namespace
