// A copied picture stays on the clipboard after the program has ended: the small helper serves
// it until another program copies something, or hands it to the desktop's clipboard manager.
#include <gtest/gtest.h>
#include <signal.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtEndian>
#include <random>

#include "desktop/capture_desktop.h"
#include "desktop/x_probe.h"

namespace {

constexpr int kTrayTop = 1080 - 28;

// The clipboard helper that this test's copy of the program left running, if any.
qint64 helperPid(InstalledProgram& program) {
    const QString helper = program.folder().path() + QStringLiteral("/lumacap-clipboard");
    for (const QString& pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        if (QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget() == helper) {
            return pid.toLongLong();
        }
    }
    return 0;
}

// Stops a helper left behind by a failed test (the desktop's end would stop it too).
struct HelperGuard {
    explicit HelperGuard(InstalledProgram& p) : program(p) {}
    ~HelperGuard() {
        if (const qint64 pid = helperPid(program)) {
            ::kill(static_cast<pid_t>(pid), SIGTERM);
        }
    }
    InstalledProgram& program;
};

QImage copyTheScreen(CaptureDesktop& d, const QImage& before) {
    if (d.program().runAgain({"--capture=screen", "--copy"}).status != 0) {
        return {};
    }
    return d.waitForNewClipboard(before);
}

TEST(ClipboardAfterEnd, TheHelperServesThePictureUntilAnotherProgramCopies) {
    CaptureDesktop d;
    HelperGuard guard(d.program());
    ASSERT_TRUE(d.startProgram());
    const QImage copy = copyTheScreen(d, QImage());
    ASSERT_EQ(copy.size(), d.screen());

    closeWindow(d.desktop(), d.mainId());  // the main window closed ends the program
    ASSERT_EQ(d.program().waitForExit(), 0);
    const QImage kept = d.clipboard();
    EXPECT_EQ(kept, copy);
    EXPECT_EQ(differenceFromPattern(kept, {0, 0}, d.screen(), kTrayTop), QString());
    ASSERT_NE(helperPid(d.program()), 0);

    // The next run copies an area; the old helper lets go and ends. Then SIGTERM.
    ASSERT_TRUE(d.startProgram());
    d.chooseCopy();
    d.clickCapture();
    ASSERT_TRUE(d.waitForOverlay());
    d.drag({300, 200}, {500, 300});
    const QImage area = d.waitForNewClipboard(kept);
    ASSERT_EQ(area.size(), QSize(200, 100));
    ASSERT_TRUE(waitUntil([&] { return d.mainVisible(); }));
    ::kill(static_cast<pid_t>(d.program().pid()), SIGTERM);
    ASSERT_EQ(d.program().waitForExit(), 0);
    EXPECT_EQ(d.clipboard(), area);
    EXPECT_EQ(differenceFromPattern(d.clipboard(), {301, 201}, d.screen()), QString());

    // Another program copies: the helper has nothing left to serve.
    d.desktop().run(QStringLiteral("sh"),
                    {"-c", "echo texto | xclip -selection clipboard -loops 1 & sleep 0.3"});
    EXPECT_TRUE(waitUntil([&] { return helperPid(d.program()) == 0; }));
}

TEST(ClipboardAfterEnd, AClipboardManagerIsHandedThePicture) {
    CaptureDesktop d;
    HelperGuard guard(d.program());
    // xfsettingsd keeps the clipboard with the ICCCM protocol; it needs a session bus.
    const QString bus = QStringLiteral("unix:path=") + d.program().home() + "/bus";
    d.desktop().startBackground("dbus-daemon", {"--session", "--nofork", "--address=" + bus});
    ASSERT_TRUE(waitUntil([&] { return QFile::exists(d.program().home() + "/bus"); }));
    d.desktop().startBackground("xfsettingsd", {"--no-daemon", "--disable-wm-check"},
                                {{"DBUS_SESSION_BUS_ADDRESS", bus}});
    ASSERT_TRUE(d.startProgram());
    const QImage copy = copyTheScreen(d, QImage());
    ASSERT_EQ(copy.size(), d.screen());

    ::kill(static_cast<pid_t>(d.program().pid()), SIGTERM);
    ASSERT_EQ(d.program().waitForExit(), 0);
    // The helper has handed the picture over and gone: the manager serves it now.
    EXPECT_TRUE(waitUntil([&] { return helperPid(d.program()) == 0; }));
    EXPECT_EQ(d.clipboard(), copy);
}

TEST(ClipboardAfterEnd, TheHelperHandsOutALargePictureInPieces) {
    PrivateDesktop desktop;
    // Bytes that do not compress, several times the size of one piece, as the program would
    // send them: their length (8 bytes, little-endian), then the bytes.
    QByteArray picture(3 * 1024 * 1024 + 12345, Qt::Uninitialized);
    std::mt19937 noise(7);
    for (char& c : picture) {
        c = static_cast<char>(noise() >> 24);
    }
    QTemporaryDir dir;
    QFile input(dir.filePath(QStringLiteral("input")));
    ASSERT_TRUE(input.open(QIODevice::WriteOnly));
    QByteArray length(8, '\0');
    qToLittleEndian(static_cast<quint64>(picture.size()), length.data());
    input.write(length + picture);
    input.close();
    desktop.startBackground(QStringLiteral("sh"),
                            {"-c", QStringLiteral("exec \"%1/lumacap-clipboard\" < \"%2\"")
                                       .arg(installDir(), input.fileName())});
    QByteArray pasted;
    EXPECT_TRUE(waitUntil([&] {
        int status = -1;
        pasted = desktop.runBytes("xclip", {"-selection", "clipboard", "-t", "image/png", "-o"},
                                  &status);
        return status == 0;
    }));
    EXPECT_EQ(pasted.size(), picture.size());
    EXPECT_TRUE(pasted == picture);
}

}  // namespace
