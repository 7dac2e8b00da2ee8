// The Debian package as a user gets it: unpacked with dpkg-deb into a temporary root whose files
// the user may only read, and run from there.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QUrl>

#include "desktop/desktop_harness.h"
#include "desktop/stand_in_opener.h"
#include "desktop/x_probe.h"

namespace {

struct Tool {
    int status = -1;
    QString out;
};

Tool runTool(const QString& program, const QStringList& args) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromLocal8Bit(p.readAll())};
}

// The package the build made (the package.build test), unpacked. Its folders are read-only to
// whoever runs the program: root owns them and the program runs as nobody, or they lose their
// write bits when the tests run as an ordinary user.
class UnpackedPackage {
public:
    UnpackedPackage() {
        const QDir dir(QStringLiteral(LUMACAP_PACKAGE_DIR));
        const QStringList debs = dir.entryList({QStringLiteral("lumacap_*.deb")});
        if (debs.size() != 1) {
            throw std::runtime_error("no package: run the package.build test (cpack) first");
        }
        deb_ = dir.filePath(debs.first());
        QFile::setPermissions(root_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                QFile::ReadOther | QFile::ExeOther);
        if (runTool("dpkg-deb", {"-x", deb_, root_.path()}).status != 0) {
            throw std::runtime_error("dpkg-deb -x failed");
        }
        if (::geteuid() != 0) {
            runTool("chmod", {"-R", "a-w", root_.path() + "/usr"});
        }
    }
    ~UnpackedPackage() {
        runTool("chmod", {"-R", "u+w", root_.path()});  // so that it can be removed
    }
    QString file(const QString& path) const { return root_.path() + path; }
    QString version() const { return runTool("dpkg-deb", {"-f", deb_, "Version"}).out.trimmed(); }

private:
    QTemporaryDir root_;
    QString deb_;
};

// Client-area pixels of the main window's store-position, options and help buttons, of the help
// window's three document buttons, and of the options window's desktop shortcut, remake and Ok.
const QPoint kPositionButton(164, 92);
const QPoint kOptionsButton(184, 92);
const QPoint kHelpButton(204, 92);
const QList<QPoint> kDocumentButtons{{45, 47}, {45, 96}, {45, 147}};
const QList<QPoint> kDesktopShortcutRemakeOk{{26, 149}, {24, 192}, {203, 192}};

}  // namespace

TEST(PackageDesktop, UnpackedProgramRunsWithTheUsersOwnSettingsAndItsDocuments) {
    const UnpackedPackage package;
    PrivateDesktop desktop;
    InstalledProgram program(desktop,
                             InstalledProgram::SystemCommand{package.file("/usr/bin/lumacap")});
    StandInOpener opener;
    program.prependPath(opener.folder());

    const auto version = program.runAgain({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.out.contains("Versão: " + package.version() + " "))
        << version.out.toStdString() << " / " << package.version().toStdString();
    EXPECT_TRUE(program.runAgain({"--help"}).out.startsWith("Uso: lumacap [opções]"));

    program.start();
    auto main = program.waitForWindow();
    ASSERT_TRUE(main) << program.standardError().toStdString();
    EXPECT_TRUE(QFile::exists(program.settingsFile()));  // the user's own, in ~/.config
    const QRect placed = windowInfo(desktop, *main).geometry;
    clickAt(desktop, placed.topLeft() + kPositionButton);
    ASSERT_TRUE(waitUntil([&] { return !settingsField(desktop, program, "left").isEmpty(); }));
    const QString left = settingsField(desktop, program, "left");
    ASSERT_TRUE(waitUntil([&] { return viewableWindows(desktop, program).size() == 1; }));

    // The help window opens each document from the package's data folder.
    clickAt(desktop, placed.topLeft() + kHelpButton);
    ASSERT_TRUE(waitUntil([&] { return !windowInfo(desktop, *main).viewable; }));
    const auto help = program.waitForWindow();
    ASSERT_TRUE(help);
    const QRect helpPlace = windowInfo(desktop, *help).geometry;
    for (int i = 0; i < kDocumentButtons.size(); ++i) {
        clickAt(desktop, helpPlace.topLeft() + kDocumentButtons[i]);
        ASSERT_TRUE(opener.waitForCalls(i + 1));
        const QString path = QUrl(opener.calls().at(i).value(0)).toLocalFile();
        EXPECT_TRUE(path.startsWith(package.file("/usr/share/lumacap/ReadMe/")))
            << path.toStdString();
        EXPECT_TRUE(path.endsWith(".pdf") && QFile::exists(path)) << path.toStdString();
    }
    closeWindow(desktop, *help);
    ASSERT_TRUE(waitUntil([&] { return windowInfo(desktop, *main).viewable; }));
    closeWindow(desktop, *main);
    ASSERT_TRUE(program.waitForExit(5000));

    // A second start keeps the user's file and what it stored.
    program.start();
    main = program.waitForWindow();
    ASSERT_TRUE(main) << program.standardError().toStdString();
    EXPECT_EQ(settingsField(desktop, program, "left"), left);

    // A shortcut made in the options starts the installed command, with the theme's icon.
    clickAt(desktop, windowInfo(desktop, *main).geometry.topLeft() + kOptionsButton);
    ASSERT_TRUE(waitUntil([&] { return !windowInfo(desktop, *main).viewable; }));
    const auto options = program.waitForWindow();
    ASSERT_TRUE(options);
    const QRect optionsPlace = windowInfo(desktop, *options).geometry;
    for (const QPoint& control : kDesktopShortcutRemakeOk) {
        clickAt(desktop, optionsPlace.topLeft() + control);
    }
    QFile shortcut(program.home() + "/Desktop/Lumacap.desktop");
    ASSERT_TRUE(waitUntil([&] { return shortcut.exists(); }));
    ASSERT_TRUE(waitUntil([&] { return windowInfo(desktop, *main).viewable; }));
    ASSERT_TRUE(shortcut.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(shortcut.readAll());
    EXPECT_TRUE(text.contains("\nExec=\"" + package.file("/usr/bin/lumacap") + "\"\n"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("\nIcon=" LUMACAP_APP_ID "\n")) << text.toStdString();

    closeWindow(desktop, *main);
    EXPECT_TRUE(program.waitForExit(5000));
}

TEST(PackageDesktop, InstalledFilesPassTheirValidators) {
    const UnpackedPackage package;
    const QString id = QStringLiteral(LUMACAP_APP_ID);
    const Tool entry = runTool("desktop-file-validate",
                               {package.file("/usr/share/applications/" + id + ".desktop")});
    EXPECT_EQ(entry.status, 0) << entry.out.toStdString();
    EXPECT_FALSE(entry.out.contains("error:")) << entry.out.toStdString();

    const Tool appstream = runTool(
        "appstreamcli",
        {"validate", "--no-net", package.file("/usr/share/metainfo/" + id + ".metainfo.xml")});
    EXPECT_EQ(appstream.status, 0) << appstream.out.toStdString();

    QProcess man;
    man.start("man", {"--warnings", "-l", package.file("/usr/share/man/man1/lumacap.1.gz")});
    ASSERT_TRUE(man.waitForFinished(30000));
    EXPECT_EQ(man.exitCode(), 0);
    EXPECT_EQ(man.readAllStandardError(), "");
    EXPECT_TRUE(QString::fromUtf8(man.readAllStandardOutput()).contains("--capture=MODO"));
}
