#pragma once

#include <QImage>
#include <QMap>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <optional>
#include <vector>

#include "support/temp_program_dir.h"
#include "support/wait_until.h"

// Desktop tests: the installed program started in a private X desktop of the test's own and
// driven from outside with the X tools, as a user's desktop would see it.

struct DesktopOptions {
    bool tray = true;  // jwm with a system tray (false: task list only)
    bool windowManager = true;
    bool compositor = false;  // xcompmgr
    int width = 1920;         // Xvfb's one screen
    int height = 1080;
    int dpi = 0;        // Xft.dpi given through xrdb -merge; 0: the default (96)
    QString qtScale{};  // QT_SCALE_FACTOR for the programs started on it; empty: none
    // QT_SCREEN_SCALE_FACTORS, the monitors named M0 (the primary), M1, ...; empty: none
    QString screenScales{};
    // Several monitors (device pixels, the first one primary): Xorg with the dummy driver and
    // one RandR monitor each, since Xvfb cannot make them. Empty: one screen, Xvfb.
    std::vector<QRect> monitors{};
};

// Xvfb (or Xorg, for several monitors) on a free display, jwm and optionally xcompmgr. Stops
// exactly what it started.
class PrivateDesktop {
public:
    explicit PrivateDesktop(DesktopOptions options = {});
    ~PrivateDesktop();
    PrivateDesktop(const PrivateDesktop&) = delete;
    PrivateDesktop& operator=(const PrivateDesktop&) = delete;

    QString display() const { return display_; }
    // The environment of an X11 session on this desktop, whatever session started the tests.
    QProcessEnvironment environment() const;
    // The monitors in device pixels, the primary one first.
    std::vector<QRect> screens() const;
    // Device pixels per logical pixel of the programs started on it, on the primary screen.
    double scale() const;

    // Runs an X tool on this desktop and returns what it printed; `status` gets its exit code.
    QString run(const QString& program, const QStringList& args, int* status = nullptr,
                int timeoutMs = 15000) const;
    // The windows `xdotool search` finds with `searchArgs`. A window that goes away while
    // xdotool looks at it ends xdotool with an X error and no list: it then looks again.
    QStringList searchWindows(const QStringList& searchArgs) const;
    // Like run, but returns the raw standard output bytes.
    QByteArray runBytes(const QString& program, const QStringList& args, int* status = nullptr,
                        int timeoutMs = 15000) const;
    // Starts a background process on this desktop (with `extra` added to its environment); it
    // is stopped with the desktop.
    qint64 startBackground(const QString& program, const QStringList& args,
                           const QMap<QString, QString>& extra = {});
    void stopBackground(qint64 pid);

    void startCompositor();
    void stopCompositor();

    // The whole screen as the X server holds it.
    QImage screenshot() const;

private:
    void startServer(const QString& displayFile);
    void addMonitors();

    DesktopOptions options_;
    QTemporaryDir work_;
    QString display_;
    std::vector<std::unique_ptr<QProcess>> processes_;  // in start order
    qint64 compositorPid_ = 0;
};

struct WindowInfo {
    QRect geometry;  // client area, absolute
    bool viewable = false;
    QString mapState;
};

// A copy of the installed program (LUMACAP_INSTALL_DIR) with its data folders, a HOME of its
// own, started on a private desktop.
class InstalledProgram {
public:
    explicit InstalledProgram(PrivateDesktop& desktop, const QString& folderName = QString());
    // The command of a system install (an unpacked package's usr/bin/lumacap), run as an
    // ordinary user would: `nobody` when the tests run as root, who may write anywhere.
    struct SystemCommand {
        QString path;
    };
    InstalledProgram(PrivateDesktop& desktop, const SystemCommand& command);
    ~InstalledProgram();

    // The copy's folder; only for a copy of the installed program.
    TempProgramDir& folder() { return *folder_; }
    QString home() const { return home_.path(); }
    // The settings file this program uses: beside the copy, or the user's own.
    QString settingsFile() const;

    // Puts `dir` first on the program's PATH (for stand-ins of desktop tools); before start().
    void prependPath(const QString& dir) { pathPrefix_ = dir; }
    // Changes the program's environment from the desktop's; before start(). A null value
    // removes the variable.
    void setEnvironment(const QString& name, const QString& value) { changed_[name] = value; }

    void start(const QStringList& arguments = {});
    bool running() const;
    // The environment every start of this copy gets (HOME, runtime folder, display, ...).
    QProcessEnvironment environment() const;

    // One more start of the program, run to its end from `folder` (its HOME by default).
    struct Run {
        int status = -1;  // -1: it did not end in time
        QString out;
        QString err;
    };
    Run runAgain(const QStringList& arguments, const QString& folder = QString(),
                 int timeoutMs = 15000) const;
    qint64 pid() const;
    // Waits for the process to end; returns its exit code, or nullopt on timeout.
    std::optional<int> waitForExit(int timeoutMs = 10000);
    QString standardError();

    // Id of a visible window of this program whose title is exactly `title`.
    std::optional<QString> waitForWindow(const QString& title = QStringLiteral("Lumacap"),
                                         int timeoutMs = 10000) const;
    // Every window of this program (by process id), mapped or not.
    QStringList windows() const;

private:
    void launch(QProcess& process, const QStringList& arguments) const;

    PrivateDesktop& desktop_;
    std::unique_ptr<TempProgramDir> folder_;
    QString command_;
    bool asNobody_ = false;
    QTemporaryDir home_;
    std::unique_ptr<QProcess> process_;
    QString pathPrefix_;
    QMap<QString, QString> changed_;
};

// Window state as xwininfo reports it.
WindowInfo windowInfo(const PrivateDesktop& desktop, const QString& windowId);
// The folder of the installed program under test.
QString installDir();
