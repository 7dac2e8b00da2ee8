#pragma once

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QRegion>
#include <memory>
#include <optional>

#include "desktop/desktop_harness.h"
#include "support/main_window_clicks.h"
#include "support/pattern_check.h"

// A private desktop showing the coordinate test pattern below everything, with the installed
// program started on it and helpers to drive its capture from outside. With `moving`, that
// rectangle of the pattern changes every frame (test_pattern_window --moving).
class CaptureDesktop : public MainWindowClicks<CaptureDesktop> {
public:
    explicit CaptureDesktop(DesktopOptions options = {}, QRect moving = {});
    ~CaptureDesktop();

    PrivateDesktop& desktop() { return desktop_; }
    InstalledProgram& program() { return program_; }

    // Starts the program and waits for its main window; false when it did not appear.
    bool startProgram();
    QString mainId() const { return mainId_; }
    QRect mainClient() const;
    bool mainVisible() const;

    // Clicks a point of the main window's client area (logical pixels: it grows with the
    // desktop's density).
    void clickMain(QPoint clientPoint);

    // Id of the overlay once it covers the primary screen (and a window of the program covers
    // every other screen), or nullopt.
    std::optional<QString> waitForOverlay(int timeoutMs = 5000) const;
    bool waitForOverlayGone(int timeoutMs = 5000) const;
    // Ids of the program's windows that are on the screen now, tray icons left out.
    QStringList shownWindows() const;

    void drag(QPoint from, QPoint to);
    // An area capture from `from` to `to` opened in the editor (the edit action): where the
    // editor's canvas shows its top-left pixel, once it shows the whole capture, or nullopt.
    std::optional<QPoint> captureIntoEditor(QPoint from, QPoint to);
    void pointerTo(QPoint p);
    void click(QPoint p);
    void key(const QString& name);

    // The clipboard as a PNG picture (null when it holds none).
    QImage clipboard() const;
    // Waits for a clipboard picture different from `previous`.
    QImage waitForNewClipboard(const QImage& previous, int timeoutMs = 5000) const;

    // The primary screen's size, and every monitor (device pixels, the primary one first).
    QSize screen() const { return screens_.front().size(); }
    const std::vector<QRect>& screens() const { return screens_; }
    QRegion shown() const;

private:
    PrivateDesktop desktop_;
    std::unique_ptr<QProcess> pattern_;
    InstalledProgram program_;
    QString mainId_;
    std::vector<QRect> screens_;
};
