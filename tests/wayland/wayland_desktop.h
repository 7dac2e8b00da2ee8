#pragma once

#include <QImage>
#include <QJsonObject>
#include <QMap>
#include <QPointF>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "support/main_window_clicks.h"
#include "support/temp_program_dir.h"
#include "support/wait_until.h"

// The Wayland desktop tests run inside the private Wayland desktop of
// `private_desktop.sh --wayland` (sway, headless): they start the installed program and the
// test pattern on it as the desktop's user (LUMACAP_SESSION_USER when the tests run as root),
// drive it with a virtual pointer and wtype, and look with grim, wl-paste and sway's own
// description of its windows.
class WaylandDesktop {
public:
    WaylandDesktop();
    ~WaylandDesktop();
    WaylandDesktop(const WaylandDesktop&) = delete;
    WaylandDesktop& operator=(const WaylandDesktop&) = delete;

    // Whether the tests run on such a desktop.
    static bool available();

    // The environment of the desktop's programs, with `home` as HOME.
    QProcessEnvironment environment(const QString& home) const;
    // Makes a file or folder the desktop user's own.
    void giveToUser(const QString& path) const;

    // Runs a program to its end as the desktop's user; its standard output.
    QByteArray run(const QString& program, const QStringList& args, int* status = nullptr,
                   int timeoutMs = 15000, const QMap<QString, QString>& extra = {}) const;
    // Starts a program in the background as the desktop's user; it is stopped with the desktop.
    QProcess* start(const QString& program, const QStringList& args,
                    const QMap<QString, QString>& extra = {});
    void stop(QProcess* process);

    // sway: a command, and its windows (each a node of its tree with name, app_id, rect, ...).
    void sway(const QString& command) const;
    std::vector<QJsonObject> windows() const;
    // The content of a window (logical pixels of the layout).
    static QRect content(const QJsonObject& window);
    // Whether the screen shows a window over `area` (logical pixels on a screen at scale 1):
    // most pixels of its second row are neither the test pattern's nor the desktop's background.
    // sway lists a window some hundred milliseconds before it shows it and takes clicks there.
    bool drawnOver(const QRect& area) const;
    // The outputs: logical rectangles and densities, by name.
    struct Output {
        QString name;
        QRect logical;
        double scale = 1;
    };
    std::vector<Output> outputs() const;
    // A new output with sway's `settings` (resolution, position, scale); its name. sway 1.7
    // fails to disable it again: it stays for the rest of the desktop (the tests that add one
    // run on a desktop of their own), at scale 1 once this object ends.
    QString addOutput(const QString& settings);

    // Shows the test pattern under everything, one tiled window per output.
    void showPattern();

    // The mouse, in logical pixels of the layout (a fraction reaches a device pixel of a screen
    // at a density above 1), and the keyboard.
    void pointerTo(QPointF p);
    void press();
    void release();
    void click(QPointF p);
    void drag(QPointF from, QPointF to);
    void key(const QString& name);

    // The whole layout as grim takes it (at the highest density), and the clipboard's PNG
    // picture (null when it holds none).
    QImage screenshot() const;
    QImage clipboard() const;
    QImage waitForNewClipboard(const QImage& previous, int timeoutMs = 5000) const;

private:
    QStringList asUser(const QString& program, const QStringList& args,
                       const QProcessEnvironment& env) const;
    void pointer(const QString& line);
    QStringList allOutputs() const;  // also those switched off

    QString user_;
    QTemporaryDir home_;
    std::vector<std::unique_ptr<QProcess>> processes_;
    QProcess* pointer_ = nullptr;
    QProcess* pattern_ = nullptr;
    QStringList added_;
};

// A copy of the installed program with a HOME of its own, started on the Wayland desktop.
class WaylandProgram : public MainWindowClicks<WaylandProgram> {
public:
    explicit WaylandProgram(WaylandDesktop& desktop);
    ~WaylandProgram();

    TempProgramDir& folder() { return folder_; }
    void setEnvironment(const QString& name, const QString& value) { changed_[name] = value; }

    // Starts it and waits for its main window; false when that did not come.
    bool start(const QStringList& arguments = {});
    // One more start, run to its end.
    struct Run {
        int status = -1;
        QString out;
        QString err;
    };
    Run runAgain(const QStringList& arguments, int timeoutMs = 20000) const;
    // Closes it as its main window's close would (SIGTERM), and waits.
    bool end();

    // The program's windows; the main window's content; a click there (logical pixels).
    std::vector<QJsonObject> windows() const;
    std::optional<QRect> mainWindow() const;
    void clickMain(QPoint clientPoint);
    // Waits until the main window is back, alone (the overlay, the editor, a notice gone).
    bool waitForMainAlone(int timeoutMs = 5000) const;

    // Whether the overlay covers every output, one full-screen window each.
    bool waitForOverlay(int timeoutMs = 5000) const;
    // A capture click, then an area marked on the overlay from the press to the release
    // (logical pixels of the layout); false when the overlay did not come.
    bool markArea(QPointF from, QPointF to);
    // The content of a window of the program other than the main window (the editor), once
    // one is shown.
    std::optional<QRect> waitForOtherWindow(int timeoutMs = 5000) const;

    QString home() const { return home_.path(); }
    // For failure messages: the program's windows as the desktop has them, and what the
    // program has written to its standard error so far.
    QString describe() const;

private:
    // HOME and what the test changed, over the desktop's environment.
    QMap<QString, QString> overrides() const;

    WaylandDesktop& desktop_;
    TempProgramDir folder_;
    QTemporaryDir home_;
    QProcess* process_ = nullptr;
    QMap<QString, QString> changed_;
};
