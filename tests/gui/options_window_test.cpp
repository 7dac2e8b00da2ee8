// The options window as a real window in this process.
#include "options/options_window.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include "support/program_fixture.h"
#include "ui/notice_window.h"
#include "ui/window_metrics.h"

namespace {

class OptionsWindow : public ProgramTest {
protected:
    void SetUp() override {
        dir.setField("atalhos", QString("1") + QChar(31) + "0" + QChar(31) + "1");
        dir.setField("optTaskbar", "1");
        ASSERT_EQ(start(), 0);
        mainWindow()->btnConfig_Click();
        options = forms().ifLoaded<LC_Form4_config>();
        ASSERT_TRUE(options);
    }
    LC_Form4_config* options = nullptr;
};

TEST_F(OptionsWindow, LoadsFromTheMainWindowsLabelsAndHidesIt) {
    EXPECT_TRUE(options->chkDesktop->isChecked());
    EXPECT_FALSE(options->chkMenu->isChecked());
    EXPECT_TRUE(options->chkWindows->isChecked());
    EXPECT_EQ(options->labels().lblDesktop, "1");
    EXPECT_EQ(options->labels().lblMenu, "0");
    EXPECT_EQ(options->labels().lblWindows, "1");
    EXPECT_TRUE(options->optTaskbar->isChecked());
    EXPECT_TRUE(options->optMax->isChecked());
    EXPECT_TRUE(options->optMinimized0->isChecked());
    EXPECT_FALSE(options->chkRemake->isChecked());
    // On this system the start-up box names no other system.
    EXPECT_EQ(options->chkWindows->text(), "Iniciar com o sistema");
    EXPECT_EQ(window_metrics::leftTw(options), window_metrics::leftTw(mainWindow()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !mainWindow()->isVisible(); }, 1000));
}

TEST_F(OptionsWindow, OkStoresMirrorsNotifiesAndUnloads) {
    options->optMini->setChecked(true);
    options->optTray->setChecked(true);
    options->optMinimized1->setChecked(true);
    options->chkMenu->setChecked(true);  // without "Refazer atalhos": stored flags stay
    const int mainLeft = window_metrics::leftTw(mainWindow());
    const int mainTop = window_metrics::topTw(mainWindow());
    options->btnUpdate_Click();

    EXPECT_EQ(dir.field("optMax"), "0");
    EXPECT_EQ(dir.field("optTaskbar"), "0");
    EXPECT_EQ(dir.field("iniMinimized"), "1");
    EXPECT_EQ(dir.field("atalhos"), QString("1") + QChar(31) + "0" + QChar(31) + "1");
    const MainLabels& m = mainWindow()->labels();
    EXPECT_EQ(m.lblMax, "0");
    EXPECT_EQ(m.lblTaskbar, "0");
    EXPECT_EQ(m.lblMinimized, "1");
    EXPECT_EQ(m.lblMenu, "1");  // the labels take the boxes for the rest of the run
    EXPECT_EQ(beeps, 1);
    auto* notice = forms().ifLoaded<LC_Form8_aviso>();
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->lblAviso->text(), "Atualizado!");
    EXPECT_EQ(window_metrics::leftTw(notice), mainLeft + 960);
    EXPECT_EQ(window_metrics::topTw(notice), mainTop + 765);
    EXPECT_TRUE(notice->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(mainWindow()->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !forms().ifLoaded<LC_Form4_config>(); }, 1000));
}

TEST_F(OptionsWindow, FailedStoreIsReportedInsteadOfUpdated) {
    QFile::remove(dir.dbPath());
    options->btnUpdate_Click();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("Erro|")) << messages[0].toStdString();
    EXPECT_EQ(forms().ifLoaded<LC_Form8_aviso>(), nullptr);
}

TEST_F(OptionsWindow, CloseBoxStoresNothingAndHandsBack) {
    QTest::qWait(300);  // the main window has hidden itself
    options->optMini->setChecked(true);
    window_metrics::moveTw(options, 3000, 3000);
    options->close();
    EXPECT_EQ(dir.field("optMax"), "1");
    EXPECT_EQ(mainWindow()->labels().lblMax, "1");
    EXPECT_TRUE(mainWindow()->isVisible());
    EXPECT_EQ(window_metrics::leftTw(mainWindow()), 3000);
    EXPECT_EQ(
        window_metrics::topTw(mainWindow()),
        3000 - (window_metrics::heightTw(mainWindow()) - window_metrics::heightTw(options)) / 2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !forms().ifLoaded<LC_Form4_config>(); }, 1000));
}

}  // namespace
