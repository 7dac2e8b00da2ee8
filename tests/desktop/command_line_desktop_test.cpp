// The command line and the one running copy, driven from outside: options and their exit
// statuses, second starts handing their work to the running copy, and who may talk to it.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "desktop/capture_desktop.h"
#include "desktop/x_probe.h"
#include "support/test_pattern.h"

namespace {

constexpr int kTrayTop = 1080 - 28;  // the panel at the bottom covers the pattern there

// Where the running copy of `program` on `desktop` listens.
QString socketPath(const PrivateDesktop& desktop, const InstalledProgram& program) {
    return program.home() + QStringLiteral("/lumacap/x11-") + desktop.display().mid(1) +
           QStringLiteral(".socket");
}

QStringList mainWindows(const PrivateDesktop& desktop) {
    return desktop.searchWindows(
        {QStringLiteral("--onlyvisible"), QStringLiteral("--name"), QStringLiteral("^Lumacap$")});
}

TEST(CommandLineDesktop, HelpVersionAndBadOptionsAnswerAtOnceAndStartNothing) {
    PrivateDesktop desktop;
    InstalledProgram program(desktop);

    const auto help = program.runAgain({QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Uso: Lumacap [opções]")));
    for (const char* option : {"--capture=MODO", "--copy", "--edit", "--delay=N",
                               "--output=ARQUIVO", "--tray", "--version"}) {
        EXPECT_TRUE(help.out.contains(QLatin1String(option))) << option;
    }
    const auto version = program.runAgain({QStringLiteral("--version")});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, QStringLiteral("Lumacap Versão: 1.0  -  Novembro/2024\n"));

    struct Bad {
        QStringList arguments;
        QString named;
    };
    const std::vector<Bad> bad{
        {{"--shoot"}, "opção desconhecida: --shoot"},
        {{"--capture=window"}, "valor inválido para --capture: \"window\""},
        {{"--capture=screen", "--delay=61"}, "valor inválido para --delay: \"61\""},
        {{"--capture=screen", "--output=a.gif"}, "valor inválido para --output: \"a.gif\""},
        {{"--capture=screen", "--copy", "--edit"}, "--copy e --edit"},
        {{"--copy"}, "a opção --copy só vale junto com --capture"},
    };
    for (const Bad& b : bad) {
        const auto run = program.runAgain(b.arguments);
        EXPECT_EQ(run.status, 2) << b.arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("Lumacap: ") + b.named))
            << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
    EXPECT_TRUE(mainWindows(desktop).isEmpty());  // nothing was started
    EXPECT_FALSE(QFile::exists(socketPath(desktop, program)));

    // The desktop entry the install ships offers the captures too.
    QFile entry(installDir() + QStringLiteral("/Lumacap.desktop"));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    EXPECT_TRUE(
        QString::fromUtf8(entry.readAll())
            .contains(
                QStringLiteral("Exec=\"%1/Lumacap\" --capture=selection\n").arg(installDir())));
}

TEST(CommandLineDesktop, SecondStartHandsAScreenCopyToTheRunningCopy) {
    CaptureDesktop d;
    ASSERT_TRUE(d.startProgram());
    const auto run = d.program().runAgain({"--capture=screen", "--copy"});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    const QImage copy = d.waitForNewClipboard(QImage());
    ASSERT_EQ(copy.size(), d.screen());
    EXPECT_EQ(differenceFromPattern(copy, {0, 0}, d.screen(), kTrayTop), QString());
    EXPECT_TRUE(d.program().running());
    // Without arguments, a second start brings the running copy back from the tray.
    d.clickMain({144, 92});  // btnMinimize
    ASSERT_TRUE(waitUntil([&] { return !d.mainVisible(); }));
    EXPECT_EQ(d.program().runAgain({}).status, 0);
    EXPECT_TRUE(waitUntil([&] { return d.mainVisible(); }));
    EXPECT_EQ(mainWindows(d.desktop()).size(), 1);
}

TEST(CommandLineDesktop, TwoStartsAtOnceLeaveOneCopyAndAStaleSocketBlocksNone) {
    PrivateDesktop desktop;
    InstalledProgram program(desktop);
    // A copy that crashed left its socket behind, with nobody listening on it.
    const QString socket = socketPath(desktop, program);
    ASSERT_TRUE(QDir().mkpath(QFileInfo(socket).path()));
    QFile::setPermissions(QFileInfo(socket).path(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, QFile::encodeName(socket).constData(),
                     sizeof(address.sun_path) - 1);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        ::close(fd);
    }
    ASSERT_TRUE(QFile::exists(socket));

    struct Start : QProcess {
        ~Start() override {
            terminate();
            waitForFinished(5000);
        }
    };
    std::vector<std::unique_ptr<Start>> starts;
    for (int i = 0; i < 2; ++i) {
        starts.push_back(std::make_unique<Start>());
        starts.back()->setProcessEnvironment(program.environment());
        starts.back()->start(program.folder().path() + QStringLiteral("/Lumacap"), {});
    }
    // One of them hands its start to the other and ends; the other is the running copy.
    ASSERT_TRUE(waitUntil(
        [&] { return starts[0]->waitForFinished(20) || starts[1]->waitForFinished(20); }, 15000));
    const bool firstEnded = starts[0]->state() == QProcess::NotRunning;
    QProcess& ended = *starts[firstEnded ? 0 : 1];
    QProcess& running = *starts[firstEnded ? 1 : 0];
    EXPECT_EQ(ended.exitCode(), 0) << ended.readAllStandardError().toStdString();
    ASSERT_TRUE(waitUntil([&] { return mainWindows(desktop).size() == 1; }, 10000));
    EXPECT_FALSE(running.waitForFinished(500));
    EXPECT_EQ(mainWindows(desktop).size(), 1);
}

TEST(CommandLineDesktop, AStartThatCannotUseItsFolderRunsAloneAndSaysWhy) {
    PrivateDesktop desktop;
    InstalledProgram program(desktop);
    // A file lies where the user's folder for the running copy belongs.
    QFile blocker(program.home() + QStringLiteral("/lumacap"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    program.start();
    ASSERT_TRUE(program.waitForWindow());
    QString log;
    EXPECT_TRUE(waitUntil([&] {
        program.waitForExit(20);  // takes in what the copy wrote
        log += program.standardError();
        return log.contains(
            QStringLiteral("não é só deste usuário; outra cópia poderá ser aberta"));
    })) << log.toStdString();
    EXPECT_TRUE(program.running());
}

TEST(CommandLineDesktop, AnotherUserCannotTalkToTheRunningCopy) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "changing to another user needs root";
    }
    CaptureDesktop d;
    ASSERT_TRUE(d.startProgram());
    const QString socket = socketPath(d.desktop(), d.program());
    ASSERT_TRUE(waitUntil([&] { return QFile::exists(socket); }));
    auto probe = [&] {
        return d.desktop()
            .run(QStringLiteral("setpriv"), {"--reuid=nobody", "--regid=nogroup", "--clear-groups",
                                             "--", QStringLiteral(LUMACAP_SOCKET_PROBE), socket})
            .trimmed();
    };
    EXPECT_TRUE(probe().startsWith(QStringLiteral("refused"))) << probe().toStdString();

    // Even with the folders opened up, the copy hears nobody but its own user.
    const auto open =
        QFile::permissions(socket) | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    for (const QString& path : {d.program().home(), QFileInfo(socket).path(), socket}) {
        QFile::setPermissions(path, open);
    }
    EXPECT_EQ(probe(), QStringLiteral("closed"));
    QString log;
    EXPECT_TRUE(waitUntil([&] {
        d.program().waitForExit(20);  // takes in what the copy wrote
        log += d.program().standardError();
        return log.contains(QStringLiteral("pedido ignorado (de outro usuário)"));
    }));
    EXPECT_TRUE(d.clipboard().isNull());  // the request was not acted on
}

TEST(CommandLineDesktop, OutputWritesTheExactPixelsOrSaysWhyNot) {
    CaptureDesktop d;
    QTemporaryDir here;
    // With no copy running, the start does just this and ends, without showing itself.
    const auto alone = d.program().runAgain({"--capture=screen", "--output=só.png"}, here.path());
    ASSERT_EQ(alone.status, 0) << alone.err.toStdString();
    EXPECT_EQ(alone.out, here.filePath(QStringLiteral("só.png")) + QLatin1Char('\n'));
    EXPECT_EQ(
        differenceFromPattern(
            QImage(here.filePath(QStringLiteral("só.png"))).convertToFormat(QImage::Format_RGB32),
            {0, 0}, d.screen(), kTrayTop)
            .toStdString(),
        "");

    ASSERT_TRUE(d.startProgram());
    // A relative name is relative to the folder the second start runs in.
    const auto run = d.program().runAgain({"--capture=screen", "--output=tela.png"}, here.path());
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, here.filePath(QStringLiteral("tela.png")) + QLatin1Char('\n'));
    const QImage saved =
        QImage(here.filePath(QStringLiteral("tela.png"))).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(saved.size(), d.screen());
    EXPECT_EQ(differenceFromPattern(saved, {0, 0}, d.screen(), kTrayTop), QString());
    const auto bmp = d.program().runAgain({"--capture=screen", "--output=tela"}, here.path());
    ASSERT_EQ(bmp.status, 0) << bmp.err.toStdString();
    EXPECT_EQ(QImage(here.filePath(QStringLiteral("tela.bmp"))).size(), d.screen());

    // Root writes anywhere a folder's mode lets nobody else; the system's own folders stay shut.
    QTemporaryDir shut;
    QFile::setPermissions(shut.path(), QFile::ReadOwner | QFile::ExeOwner);
    const QString folder = geteuid() == 0 ? QStringLiteral("/sys") : shut.path();
    const auto refused =
        d.program().runAgain({"--capture=screen", "--output=" + folder + "/tela.png"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains(
        QStringLiteral("sem permissão para gravar na pasta \"%1\"").arg(folder)))
        << refused.err.toStdString();
    EXPECT_TRUE(refused.out.isEmpty());
    EXPECT_FALSE(QFile::exists(folder + QStringLiteral("/tela.png")));
}

TEST(CommandLineDesktop, ADelayedCaptureCountsDownRefusesOthersAndEscapeCancels) {
    CaptureDesktop d;
    ASSERT_TRUE(d.startProgram());
    QTemporaryDir here;
    QProcess delayed;
    delayed.setProcessEnvironment(d.program().environment());
    delayed.start(d.program().folder().path() + QStringLiteral("/Lumacap"),
                  {"--capture=screen", "--delay=5", "--output=" + here.filePath("x.png")});
    // The countdown notice, 126 x 36 pixels, in the middle of the screen.
    ASSERT_TRUE(waitUntil(
        [&] {
            for (const QString& id : d.shownWindows()) {
                if (windowInfo(d.desktop(), id).geometry.size() == QSize(126, 36)) {
                    return true;
                }
            }
            return false;
        },
        4000));
    const auto refused = d.program().runAgain({"--capture=screen", "--copy"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("já está em andamento")));

    d.key(QStringLiteral("Escape"));
    ASSERT_TRUE(delayed.waitForFinished(3000));  // well before the five seconds
    EXPECT_EQ(delayed.exitCode(), 1);
    EXPECT_TRUE(QString::fromLocal8Bit(delayed.readAllStandardError()).contains("cancelada"));
    EXPECT_FALSE(QFile::exists(here.filePath("x.png")));
    EXPECT_TRUE(d.clipboard().isNull());
    EXPECT_TRUE(waitUntil([&] { return d.mainVisible(); }));
}

TEST(CommandLineDesktop, ThePrintKeyIsTakenOnlyWhenNobodyHoldsIt) {
    CaptureDesktop d;
    d.program().start({"--print-key"});
    ASSERT_TRUE(d.program().waitForWindow());
    d.key(QStringLiteral("Print"));
    ASSERT_TRUE(d.waitForOverlay());  // a selection capture, from the desktop's key
    d.key(QStringLiteral("Escape"));
    ASSERT_TRUE(d.waitForOverlayGone());

    // Another copy (another user's runtime folder) asks for the key the first one holds.
    InstalledProgram other(d.desktop());
    other.start({"--print-key"});
    QString said;
    EXPECT_TRUE(waitUntil(
        [&] {
            other.waitForExit(20);
            said += other.standardError();
            return said.contains(
                QStringLiteral("a tecla Print já está reservada por outro "
                               "programa"));
        },
        10000))
        << said.toStdString();
    EXPECT_TRUE(other.waitForWindow(QStringLiteral("Lumacap"), 5000).has_value());
    EXPECT_TRUE(other.running());  // it runs on, without the key
}

}  // namespace
