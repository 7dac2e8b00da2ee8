#pragma once

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <memory>
#include <optional>

#include "desktop/desktop_harness.h"

// A private desktop showing the coordinate test pattern below everything, with the installed
// program started on it and helpers to drive its capture from outside.
class CaptureDesktop {
public:
    explicit CaptureDesktop(DesktopOptions options = {});
    ~CaptureDesktop();

    PrivateDesktop& desktop() { return desktop_; }
    InstalledProgram& program() { return program_; }

    // Starts the program and waits for its main window; false when it did not appear.
    bool startProgram();
    QString mainId() const { return mainId_; }
    QRect mainClient() const;
    bool mainVisible() const;

    // Clicks a point of the main window's client area (pixels).
    void clickMain(QPoint clientPoint);
    void clickCapture() { clickMain({213, 30}); }  // BtnCapture, centre
    void chooseSelection() { clickMain({27, 28}); }
    void chooseFixedArea() { clickMain({97, 28}); }
    void chooseWholeScreen() { clickMain({153, 28}); }
    void chooseCopy() { clickMain({166, 58}); }
    void chooseEdit() { clickMain({111, 58}); }
    void toggleHide() { clickMain({20, 92}); }

    // Id of the overlay once it covers the screen, or nullopt.
    std::optional<QString> waitForOverlay(int timeoutMs = 5000) const;
    bool waitForOverlayGone(int timeoutMs = 5000) const;
    // Ids of the program's windows that are on the screen now, tray icons left out.
    QStringList shownWindows() const;

    void drag(QPoint from, QPoint to);
    void pointerTo(QPoint p);
    void click(QPoint p);
    void key(const QString& name);

    // The clipboard as a PNG picture (null when it holds none).
    QImage clipboard() const;
    // Waits for a clipboard picture different from `previous`.
    QImage waitForNewClipboard(const QImage& previous, int timeoutMs = 5000) const;

    QSize screen() const { return screen_; }

private:
    PrivateDesktop desktop_;
    std::unique_ptr<QProcess> pattern_;
    InstalledProgram program_;
    QString mainId_;
    QSize screen_;
};

// Where `picture` differs from the pattern's area starting at `origin` (pixels beyond the screen
// must be black; rows from `ignoreFromY` on are not compared): a description, or empty.
QString differenceFromPattern(const QImage& picture, QPoint origin, QSize screen,
                              int ignoreFromY = 1 << 30);
