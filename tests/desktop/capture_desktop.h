#pragma once

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QRegion>
#include <memory>
#include <optional>

#include "desktop/desktop_harness.h"

// A private desktop showing the coordinate test pattern below everything, with the installed
// program started on it and helpers to drive its capture from outside. With `moving`, that
// rectangle of the pattern changes every frame (test_pattern_window --moving).
class CaptureDesktop {
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
    void clickCapture() { clickMain({213, 30}); }  // BtnCapture, centre
    void chooseSelection() { clickMain({27, 28}); }
    void chooseFixedArea() { clickMain({97, 28}); }
    void chooseWholeScreen() { clickMain({153, 28}); }
    void chooseCopy() { clickMain({166, 58}); }
    void chooseEdit() { clickMain({111, 58}); }
    void toggleHide() { clickMain({20, 92}); }

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

// Where `picture` differs from the pattern's area starting at `origin` (pixels that no monitor
// in `shown` shows must be black; rows from `ignoreFromY` on are not compared): a description,
// or empty.
QString differenceFromPattern(const QImage& picture, QPoint origin, const QRegion& shown,
                              int ignoreFromY = 1 << 30);
// Where a capture of the pattern (whose top-left pixel came from `origin`) is shown on the
// screen now, other than at `origin` itself unless that is the only place.
std::optional<QPoint> findPicture(const QImage& screen, QPoint origin, QSize size);
// The same on one screen of `screen` at (0, 0).
QString differenceFromPattern(const QImage& picture, QPoint origin, QSize screen,
                              int ignoreFromY = 1 << 30);
