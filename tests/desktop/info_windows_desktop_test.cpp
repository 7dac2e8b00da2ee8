// The installed program's help and about windows on a private desktop, with a stand-in for the
// desktop's opener (xdg-open) that records what it was asked to open.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QThread>
#include <QUrl>

#include "desktop/desktop_harness.h"
#include "desktop/stand_in_opener.h"
#include "info/maker_info.h"

namespace {

void click(const PrivateDesktop& desktop, QPoint at) {
    desktop.run("xdotool",
                {"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"});
}

// Presses the main window's button at (x, y) of its client area and returns the window that
// then stands in for it, once the main window has gone.
std::optional<QString> openFromMain(PrivateDesktop& desktop, const InstalledProgram& program,
                                    const QString& mainId, QPoint button) {
    click(desktop, windowInfo(desktop, mainId).geometry.topLeft() + button);
    if (!waitUntil([&] { return !windowInfo(desktop, mainId).viewable; }, 5000)) {
        return std::nullopt;
    }
    return program.waitForWindow();
}

// Closes a window as its close box does and waits for the main window to be back.
bool closeAndWaitForMain(PrivateDesktop& desktop, const QString& id, const QString& mainId) {
    desktop.run("xdotool", {"windowactivate", "--sync", id});
    desktop.run("xdotool", {"key", "alt+F4"});
    return waitUntil([&] { return windowInfo(desktop, mainId).viewable; }, 5000);
}

void expectSameLeftAndCentre(const QRect& a, const QRect& b) {
    EXPECT_EQ(a.left(), b.left());
    EXPECT_NEAR(a.top() + a.height() / 2.0, b.top() + b.height() / 2.0, 1.0);
}

TEST(InfoWindowsDesktop, HelpOpensEachDocumentFromAFolderWithSpacesAndHandsBack) {
    PrivateDesktop desktop;
    InstalledProgram program(desktop, "Meus programas/Luma cap");
    StandInOpener opener;
    program.prependPath(opener.folder());
    program.start();
    const auto mainId = program.waitForWindow();
    ASSERT_TRUE(mainId) << program.standardError().toStdString();
    const QRect main = windowInfo(desktop, *mainId).geometry;

    // btnHelp rests at 196, 84 pixels; the help window replaces the main window beside it.
    const auto helpId = openFromMain(desktop, program, *mainId, QPoint(204, 92));
    ASSERT_TRUE(helpId);
    ASSERT_NE(*helpId, *mainId);
    QRect help = windowInfo(desktop, *helpId).geometry;
    EXPECT_EQ(help.size(), QSize(248, 207));
    expectSameLeftAndCentre(help, main);

    const QStringList names{"ReadMe_Informacoes-e-consideracoes.pdf",
                            "ReadMe_Licenca-de-utilizacao.pdf",
                            "ReadMe_Caracteristicas-da-versao.pdf"};
    const QList<QPoint> buttons{{45, 47}, {45, 96}, {45, 147}};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(names[i].toStdString());
        click(desktop, help.topLeft() + buttons[i]);
        ASSERT_TRUE(opener.waitForCalls(i + 1));
        const QStringList args = opener.calls().at(i);
        ASSERT_EQ(args.size(), 1);  // the path is one argument, spaces and all
        const QString path = QUrl(args[0]).toLocalFile();
        EXPECT_EQ(path, program.folder().path() + "/ReadMe/" + names[i]);
        EXPECT_TRUE(QFile::exists(path));
    }

    // Dragged by its background.
    const QPoint grab = help.topLeft() + QPoint(10, 10);
    desktop.run("xdotool", {"mousemove", QString::number(grab.x()), QString::number(grab.y()),
                            "mousedown", "1"});
    for (int step = 1; step <= 4; ++step) {
        QThread::msleep(60);
        desktop.run("xdotool", {"mousemove", QString::number(grab.x() + 30 * step),
                                QString::number(grab.y() + 15 * step)});
    }
    QThread::msleep(100);
    desktop.run("xdotool", {"mouseup", "1"});
    ASSERT_TRUE(waitUntil(
        [&] {
            return windowInfo(desktop, *helpId).geometry.topLeft() ==
                   help.topLeft() + QPoint(120, 60);
        },
        3000))
        << "help window at " << windowInfo(desktop, *helpId).geometry.x() << ","
        << windowInfo(desktop, *helpId).geometry.y();
    help = windowInfo(desktop, *helpId).geometry;

    ASSERT_TRUE(closeAndWaitForMain(desktop, *helpId, *mainId));
    expectSameLeftAndCentre(windowInfo(desktop, *mainId).geometry, help);
    EXPECT_TRUE(waitUntil([&] { return !windowInfo(desktop, *helpId).viewable; }, 3000));
    EXPECT_EQ(opener.calls().size(), 3);
}

TEST(InfoWindowsDesktop, AboutOpensTheMakersPageFromTheButtonOnlyAndHandsBack) {
    PrivateDesktop desktop;
    InstalledProgram program(desktop);
    StandInOpener opener;
    program.prependPath(opener.folder());
    program.start();
    const auto mainId = program.waitForWindow();
    ASSERT_TRUE(mainId) << program.standardError().toStdString();

    // btnAbout rests at 216, 84 pixels.
    const auto aboutId = openFromMain(desktop, program, *mainId, QPoint(224, 92));
    ASSERT_TRUE(aboutId);
    ASSERT_NE(*aboutId, *mainId);
    const QRect about = windowInfo(desktop, *aboutId).geometry;

    // The globe of btnSite (105, 128 pixels) opens the page.
    click(desktop, about.topLeft() + QPoint(133, 138));
    ASSERT_TRUE(opener.waitForCalls(1));
    EXPECT_EQ(opener.calls().at(0), QStringList{QString::fromUtf8(maker_info::kSiteUrl)});

    // The shown address (lblAuthor, 78, 150 pixels) opens nothing.
    click(desktop, about.topLeft() + QPoint(92, 158));
    QThread::msleep(1500);
    EXPECT_EQ(opener.calls().size(), 1);

    ASSERT_TRUE(closeAndWaitForMain(desktop, *aboutId, *mainId));
    expectSameLeftAndCentre(windowInfo(desktop, *mainId).geometry, about);
}

TEST(ReadMeDocuments, AreInstalledBesideTheProgramAsReadablePdfs) {
    const QString dir = installDir();
    const QList<QPair<QString, QString>> documents{
        {"ReadMe_Informacoes-e-consideracoes.pdf", "A janela principal"},
        {"ReadMe_Licenca-de-utilizacao.pdf", "Permission is hereby granted"},
        {"ReadMe_Caracteristicas-da-versao.pdf", "Novembro/2024"},
    };
    for (const auto& [name, phrase] : documents) {
        SCOPED_TRACE(name.toStdString());
        const QString path = dir + "/ReadMe/" + name;
        ASSERT_TRUE(QFile::exists(path));
        QProcess info;
        info.start("pdfinfo", {path});
        ASSERT_TRUE(info.waitForFinished(15000));
        EXPECT_EQ(info.exitCode(), 0);
        const QString meta = QString::fromUtf8(info.readAllStandardOutput());
        EXPECT_TRUE(meta.contains(QRegularExpression("Title:\\s+Lumacap: "))) << meta.toStdString();
        EXPECT_TRUE(meta.contains(QRegularExpression("Pages:\\s+[1-9]"))) << meta.toStdString();

        QProcess text;
        text.start("pdftotext", {path, "-"});
        ASSERT_TRUE(text.waitForFinished(15000));
        EXPECT_EQ(text.exitCode(), 0);
        const QString body = QString::fromUtf8(text.readAllStandardOutput()).simplified();
        EXPECT_TRUE(body.contains(phrase)) << body.left(300).toStdString();
        EXPECT_TRUE(body.contains(QString::fromUtf8(maker_info::kMaker)));
        EXPECT_FALSE(body.contains('{'));
    }
    EXPECT_TRUE(QFile::exists(dir + "/LICENSE"));
}

}  // namespace
