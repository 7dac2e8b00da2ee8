// The help and about windows in this process: what their buttons open, the press effect, the
// hand-over with the main window, and failures told to the user.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "info/about_window.h"
#include "info/help_window.h"
#include "info/info_pictures.h"
#include "info/maker_info.h"
#include "support/program_fixture.h"
#include "toolbar/compact_toolbar.h"
#include "ui/picture_button.h"
#include "ui/units.h"
#include "ui/window_metrics.h"

namespace {

using OpenUrlFn = decltype(platform::Services::openUrl);

class InfoWindows : public ProgramTest {
protected:
    InfoWindows()
        : openGuard_(platform::services().openUrl,
                     [this](const QUrl& url, const std::function<void(bool)>& done) {
                         opened << url;
                         done(openSucceeds);
                     }) {}

    template <class W>
    W* open(PictureButton* button) {
        QTest::mouseClick(button, Qt::LeftButton);
        return Forms::instance().ifLoaded<W>();
    }
    LC_Form5_help* openHelp() { return open<LC_Form5_help>(mainWindow()->btnHelp); }
    LC_Form6_about* openAbout() { return open<LC_Form6_about>(mainWindow()->btnAbout); }

    static void moveOver(QWidget* w) {
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &move);
    }

    QList<QUrl> opened;
    bool openSucceeds = true;

private:
    platform::ScopedService<OpenUrlFn> openGuard_;
};

TEST_F(InfoWindows, HelpButtonsOpenTheirDocumentsFromAFolderWithSpaces) {
    TempProgramDir spaced(QStringLiteral(LUMACAP_DATA_DIR),
                          QStringLiteral("Meus programas/Luma cap"));
    ASSERT_EQ(startProgram(spaced.path()), 0);
    LC_Form5_help* help = openHelp();
    ASSERT_TRUE(help);
    const QStringList names{"ReadMe_Informacoes-e-consideracoes.pdf",
                            "ReadMe_Licenca-de-utilizacao.pdf",
                            "ReadMe_Caracteristicas-da-versao.pdf"};
    const QList<PictureButton*> buttons{help->btn1, help->btn2, help->btn3};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(names[i].toStdString());
        opened.clear();
        QTest::mouseClick(buttons[i], Qt::LeftButton);
        ASSERT_EQ(opened.size(), 1);
        EXPECT_TRUE(opened[0].isLocalFile());
        const QString expected = spaced.path() + "/ReadMe/" + names[i];
        EXPECT_EQ(opened[0].toLocalFile(), expected);
        EXPECT_TRUE(QFile::exists(opened[0].toLocalFile()));
    }
    // Only the left button opens a document.
    opened.clear();
    QTest::mouseClick(help->btn1, Qt::RightButton);
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

TEST_F(InfoWindows, HelpButtonsSinkOnePixelWhilePressedInTheWindowsOwnSlot) {
    ASSERT_EQ(start(), 0);
    LC_Form5_help* help = openHelp();
    ASSERT_TRUE(help);
    const MainLabels mainBefore = mainWindow()->labels();
    const QPoint rest = help->btn2->pos();
    EXPECT_EQ(rest, QPoint(units::px(435), units::px(1200)));

    QTest::mousePress(help->btn2, Qt::LeftButton);
    EXPECT_EQ(help->btn2->pos(), rest + QPoint(1, 1));
    EXPECT_EQ(help->labels().lblPosLeft, "435");
    EXPECT_EQ(help->labels().lblPosTop, "1200");
    // The main window's slots are not this window's.
    EXPECT_EQ(mainWindow()->labels().lblPosLeft, mainBefore.lblPosLeft);
    EXPECT_EQ(mainWindow()->labels().lblPosTop, mainBefore.lblPosTop);

    QTest::mouseRelease(help->btn2, Qt::LeftButton);
    EXPECT_EQ(help->btn2->pos(), rest);
}

TEST_F(InfoWindows, SiteButtonAndShownAddressSinkAndRiseTogether) {
    ASSERT_EQ(start(), 0);
    LC_Form6_about* about = openAbout();
    ASSERT_TRUE(about);
    const QPoint siteRest = about->btnSite->pos();
    const QPoint addressRest = about->lblAuthor->pos();
    for (PictureButton* pressed : {about->btnSite, about->lblAuthor}) {
        SCOPED_TRACE(pressed->objectName().toStdString());
        QTest::mousePress(pressed, Qt::LeftButton, {}, QPoint(3, 3));
        EXPECT_EQ(about->btnSite->pos(), siteRest + QPoint(1, 1));
        EXPECT_EQ(about->lblAuthor->pos(), addressRest + QPoint(1, 1));
        // Where each rested, in twips of whole pixels.
        EXPECT_EQ(about->labels().lblPosLeft, QString::number(units::tw(siteRest.x())));
        EXPECT_EQ(about->labels().lblPosTop, QString::number(units::tw(units::px(1920))));
        EXPECT_EQ(about->labels().lblPosLeft2, QString::number(units::tw(addressRest.x())));
        EXPECT_EQ(about->labels().lblPosTop2, QString::number(units::tw(units::px(2250))));
        QTest::mouseRelease(pressed, Qt::LeftButton, {}, QPoint(3, 3));
        EXPECT_EQ(about->btnSite->pos(), siteRest);
        EXPECT_EQ(about->lblAuthor->pos(), addressRest);
    }
    // Of the two, only the button opens the page.
    opened.clear();
    QTest::mouseClick(about->lblAuthor, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_TRUE(opened.isEmpty());
    QTest::mouseClick(about->btnSite, Qt::LeftButton, {}, QPoint(20, 10));
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0], QUrl(QString::fromUtf8(maker_info::kSiteUrl)));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(InfoWindows, EitherWindowOpensBesideTheMainWindowWhichHidesAQuarterSecondLater) {
    ASSERT_EQ(start(), 0);
    LC_Form1_Ini* main = mainWindow();
    using namespace window_metrics;
    for (int which = 0; which < 2; ++which) {
        SCOPED_TRACE(which == 0 ? "help" : "about");
        main->show();
        moveTw(main, 4500, 6000);
        QWidget* w = which == 0 ? static_cast<QWidget*>(openHelp()) : openAbout();
        ASSERT_TRUE(w);
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(leftTw(w), 4500);
        EXPECT_EQ(topTw(w) + heightTw(w) / 2, 6000 + heightTw(main) / 2);
        EXPECT_EQ(w->windowIcon().cacheKey(), main->windowIcon().cacheKey());
        // The hiding is a request that comes due 250 ms later, not at once.
        EXPECT_TRUE(main->isVisible());
        EXPECT_TRUE(main->TimerHideForm->isActive());
        EXPECT_EQ(main->TimerHideForm->interval(), 250);
        EXPECT_TRUE(QTest::qWaitFor([main] { return !main->isVisible(); }, 2000));
        EXPECT_FALSE(main->TimerHideForm->isActive());
        w->close();
    }
}

TEST_F(InfoWindows, ClosingEitherWindowBringsTheMainWindowBackBesideIt) {
    ASSERT_EQ(start(), 0);
    LC_Form1_Ini* main = mainWindow();
    using namespace window_metrics;
    for (const QString name : {"LC_Form5_help", "LC_Form6_about"}) {
        SCOPED_TRACE(name.toStdString());
        InfoWindow* w = name == "LC_Form5_help" ? static_cast<InfoWindow*>(openHelp())
                                                : static_cast<InfoWindow*>(openAbout());
        ASSERT_TRUE(w);
        ASSERT_TRUE(QTest::qWaitFor([main] { return !main->isVisible(); }, 2000));
        moveTw(w, 3000, 7500);
        const int left = leftTw(w);
        const int top = topTw(w);

        w->close();
        EXPECT_TRUE(main->isVisible());
        EXPECT_EQ(leftTw(main), left);
        // 2085 and 3465 twips high: the main window sits 690 twips lower, on the same centre.
        EXPECT_EQ(topTw(main), top + (heightTw(w) - heightTw(main)) / 2);
        EXPECT_EQ(topTw(main), top + 690);
        EXPECT_EQ(main->labels().lblFormNothing, name);
        EXPECT_TRUE(main->TimerFormNothing->isActive());
        EXPECT_EQ(main->TimerFormNothing->interval(), 250);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !Forms::instance().find(name); }, 2000));
        EXPECT_TRUE(QTest::qWaitFor([main] { return !main->TimerFormNothing->isActive(); }, 2000));
        EXPECT_TRUE(main->isVisible());
    }
}

TEST_F(InfoWindows, AWindowOpenedRightAfterAnotherClosedStaysOpen) {
    ASSERT_EQ(start(), 0);
    LC_Form1_Ini* main = mainWindow();
    LC_Form5_help* help = openHelp();
    ASSERT_TRUE(help);
    ASSERT_TRUE(QTest::qWaitFor([main] { return !main->isVisible(); }, 2000));
    help->close();
    // Within the 250 ms in which the help window waits to be unloaded by name.
    LC_Form6_about* about = openAbout();
    ASSERT_TRUE(about);
    QTest::qWait(600);
    EXPECT_EQ(Forms::instance().ifLoaded<LC_Form6_about>(), about);
    EXPECT_TRUE(about->isVisible());
    EXPECT_FALSE(main->isVisible());
}

TEST_F(InfoWindows, ClosedBeforeTheHidingCameDueTheMainWindowStays) {
    ASSERT_EQ(start(), 0);
    LC_Form1_Ini* main = mainWindow();
    // Every window that stands in for the main window, closed as soon as it is open.
    struct Case {
        QString name;
        std::function<void()> open;
        std::function<void(LcForm*)> close;
    };
    const auto closeBox = [](LcForm* w) { w->close(); };
    const std::vector<Case> cases{
        {"LC_Form5_help", [main] { QTest::mouseClick(main->btnHelp, Qt::LeftButton); }, closeBox},
        {"LC_Form6_about", [main] { QTest::mouseClick(main->btnAbout, Qt::LeftButton); }, closeBox},
        {"LC_Form4_config", [main] { main->btnConfig_Click(); }, closeBox},
        {"LC_Form7_mini", [main] { main->btnMini_Click(); },
         [](LcForm* w) { static_cast<LC_Form7_mini*>(w)->btnCloseMini_Click(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        c.open();
        LcForm* w = Forms::instance().find(c.name);
        ASSERT_TRUE(w);
        c.close(w);
        QTest::qWait(500);
        EXPECT_TRUE(main->isVisible());
        EXPECT_FALSE(Forms::instance().find(c.name));
    }
}

TEST_F(InfoWindows, FailuresToOpenAreToldNamingWhatCouldNotBeOpened) {
    ASSERT_EQ(start(), 0);
    LC_Form5_help* help = openHelp();
    ASSERT_TRUE(help);
    const QString missing = dir.path() + "/ReadMe/ReadMe_Caracteristicas-da-versao.pdf";
    ASSERT_TRUE(QFile::remove(missing));
    QTest::mouseClick(help->btn3, Qt::LeftButton);
    EXPECT_TRUE(opened.isEmpty());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("Lumacap|"));
    EXPECT_TRUE(messages[0].contains(missing)) << messages[0].toStdString();
    EXPECT_TRUE(messages[0].contains("não foi encontrado")) << messages[0].toStdString();

    // A desktop with no program to open the document.
    messages.clear();
    openSucceeds = false;
    QTest::mouseClick(help->btn1, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(dir.path() + "/ReadMe/ReadMe_Informacoes-e-consideracoes.pdf"))
        << messages[0].toStdString();
    EXPECT_TRUE(messages[0].contains("programa")) << messages[0].toStdString();

    // Nor one to open the maker's page.
    help->close();
    ASSERT_TRUE(QTest::qWaitFor([] { return !Forms::instance().find("LC_Form5_help"); }, 2000));
    messages.clear();
    LC_Form6_about* about = openAbout();
    ASSERT_TRUE(about);
    QTest::mouseClick(about->btnSite, Qt::LeftButton, {}, QPoint(20, 10));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("Lumacap|"));
    EXPECT_TRUE(messages[0].contains(QString::fromUtf8(maker_info::kSiteUrl)))
        << messages[0].toStdString();
}

TEST_F(InfoWindows, PointerOverTheButtonsIsTheHandOfImgMouse) {
    ASSERT_EQ(start(), 0);
    LC_Form5_help* help = openHelp();
    ASSERT_TRUE(help);
    LC_Form6_about* about = Forms::instance().get<LC_Form6_about>();
    const QList<QPair<InfoWindow*, PictureButton*>> cases{{help, help->btn1},
                                                          {help, help->btn2},
                                                          {help, help->btn3},
                                                          {about, about->btnSite},
                                                          {about, about->lblAuthor}};
    for (const auto& [window, button] : cases) {
        SCOPED_TRACE(button->objectName().toStdString());
        EXPECT_NE(button->cursor().shape(), Qt::BitmapCursor);
        moveOver(button);
        ASSERT_EQ(button->cursor().shape(), Qt::BitmapCursor);
        EXPECT_EQ(button->cursor().pixmap().toImage(), window->imgMouse->pixmap().toImage());
        EXPECT_EQ(button->cursor().hotSpot(), info_pictures::pointerHotSpot());
        EXPECT_FALSE(window->imgMouse->isVisibleTo(window));
    }
}

TEST_F(InfoWindows, WindowsShowTheirTextsAndPicturesAtTheirSizes) {
    ASSERT_EQ(start(), 0);
    LC_Form5_help* help = openHelp();
    ASSERT_TRUE(help);
    EXPECT_EQ(help->windowTitle(), "Lumacap");
    EXPECT_EQ(help->size(), QSize(248, 207));
    for (PictureButton* b : {help->btn1, help->btn2, help->btn3}) {
        EXPECT_EQ(b->pixmap().size(), QSize(32, 32));
        EXPECT_EQ(b->size(), QSize(32, 32));
        EXPECT_EQ(b->toolTip(), " Clique para abrir ");
    }
    EXPECT_EQ(help->Label2->text(), "ReadMe para considerações gerais sobre meus softwares.");
    EXPECT_EQ(help->Label4->text(), "ReadMe para informações sobre licença de uso e atualização.");
    EXPECT_EQ(help->Label9->text(), "ReadMe sobre características do software e versão.");

    LC_Form6_about* about = Forms::instance().get<LC_Form6_about>();
    EXPECT_EQ(about->windowTitle(), "Lumacap");
    EXPECT_EQ(about->size(), QSize(248, 207));
    EXPECT_EQ(about->lblVersao->text(), "Versão: 1.0  -  Novembro/2024");
    EXPECT_EQ(about->Label7->text(), "Autor: ");
    EXPECT_EQ(about->Label15->text(), "Clique no link acima e conheça mais sobre meu trabalho. ");
    const QString tip = " Acessar " + QString::fromUtf8(maker_info::kSiteUrl);
    EXPECT_EQ(about->btnSite->toolTip(), tip);
    EXPECT_EQ(about->lblAuthor->toolTip(), tip);
    // The three parts of the shown address read as the address.
    EXPECT_EQ(
        "https://" + about->Label5->text() + about->lblAuthor->text() + about->Label16->text(),
        QString::fromUtf8(maker_info::kSiteUrl));
    EXPECT_EQ(about->Image1->pixmap().size(), QSize(55, 55));
    EXPECT_EQ(about->Image1->size(), QSize(56, 56));
    EXPECT_EQ(about->Image2->pixmap().size(), QSize(21, 21));
    EXPECT_EQ(about->btnSite->pixmap().size(), QSize(57, 38));
    EXPECT_EQ(about->imgMouse->pixmap().size(), QSize(32, 32));
    // The program's name leaves its mark's place free: its second half starts after the mark.
    const QString name = about->Label4->text();
    EXPECT_EQ(name.simplified().remove(' '), "Lumacap");
    const int secondHalf =
        about->Label4->x() + QFontMetrics(about->Label4->font()).horizontalAdvance(name.chopped(3));
    EXPECT_GE(secondHalf, about->Image2->geometry().right());
    EXPECT_TRUE(about->Label4->font().bold());
    EXPECT_DOUBLE_EQ(about->Label4->font().pointSizeF(), 9.75);
    EXPECT_EQ(about->Label4->palette().color(QPalette::WindowText), QColor(192, 0, 0));
}

// The desktop's own opener, a stand-in first on PATH that ends with the status it is given.
class RealOpener : public ProgramTest {
protected:
    RealOpener() : path_(qgetenv("PATH")) {
        QFile script(bin_.filePath("xdg-open"));
        script.open(QIODevice::WriteOnly);
        script.write(QStringLiteral("#!/bin/sh\nsleep 0.3\nexit $(cat '%1')\n")
                         .arg(bin_.filePath("status"))
                         .toUtf8());
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner);
        qputenv("PATH", QFile::encodeName(bin_.path()) + ":" + path_);
    }
    ~RealOpener() override { qputenv("PATH", path_); }

    void endWith(int status) {
        QFile f(bin_.filePath("status"));
        f.open(QIODevice::WriteOnly);
        f.write(QByteArray::number(status));
    }

private:
    QTemporaryDir bin_;
    QByteArray path_;
};

TEST_F(RealOpener, TheOpenersExitStatusDecidesWhetherAFailureIsTold) {
    ASSERT_EQ(start(), 0);
    QTest::mouseClick(mainWindow()->btnHelp, Qt::LeftButton);
    auto* help = Forms::instance().ifLoaded<LC_Form5_help>();
    ASSERT_TRUE(help);
    for (int status : {4, 0}) {
        SCOPED_TRACE(status);
        endWith(status);
        messages.clear();
        QTest::mouseClick(help->btn1, Qt::LeftButton);
        EXPECT_TRUE(messages.isEmpty());  // the opener has not answered yet
        if (status != 0) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.isEmpty(); }, 3000));
            EXPECT_TRUE(messages[0].contains("ReadMe_Informacoes-e-consideracoes.pdf") &&
                        messages[0].contains("programa"))
                << messages[0].toStdString();
        } else {
            QTest::qWait(1000);
            EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
        }
    }
}

}  // namespace
