#include "desktop/capture_desktop.h"

#include <QThread>
#include <algorithm>
#include <stdexcept>

#include "desktop/x_probe.h"
#include "support/test_pattern.h"

CaptureDesktop::CaptureDesktop(DesktopOptions options, QRect moving)
    : desktop_(options), program_(desktop_), screens_(desktop_.screens()) {
    pattern_ = std::make_unique<QProcess>();
    pattern_->setProcessEnvironment(desktop_.environment());
    QStringList args;
    if (!moving.isEmpty()) {
        args << QStringLiteral("--moving")
             << QStringLiteral("%1,%2,%3,%4")
                    .arg(moving.x())
                    .arg(moving.y())
                    .arg(moving.width())
                    .arg(moving.height());
    }
    pattern_->start(QStringLiteral(LUMACAP_PATTERN_PROGRAM), args);
    if (!pattern_->waitForStarted() || !waitUntil(
                                           [&] {
                                               pattern_->waitForReadyRead(50);
                                               return pattern_->peek(64).contains("ready");
                                           },
                                           10000)) {
        throw std::runtime_error("the test pattern did not come up");
    }
}

CaptureDesktop::~CaptureDesktop() {
    if (pattern_->state() != QProcess::NotRunning) {
        pattern_->terminate();
        if (!pattern_->waitForFinished(3000)) {
            pattern_->kill();
            pattern_->waitForFinished(3000);
        }
    }
}

bool CaptureDesktop::startProgram() {
    program_.start();
    const auto id = program_.waitForWindow();
    if (!id) {
        return false;
    }
    mainId_ = *id;
    return true;
}

QRect CaptureDesktop::mainClient() const {
    return windowInfo(desktop_, mainId_).geometry;
}

bool CaptureDesktop::mainVisible() const {
    return windowInfo(desktop_, mainId_).viewable;
}

void CaptureDesktop::click(QPoint p) {
    desktop_.run("xdotool",
                 {"mousemove", QString::number(p.x()), QString::number(p.y()), "click", "1"});
}

QRegion CaptureDesktop::shown() const {
    QRegion all;
    for (const QRect& s : screens_) {
        all += s;
    }
    return all;
}

void CaptureDesktop::clickMain(QPoint clientPoint) {
    click(mainClient().topLeft() + (QPointF(clientPoint) * desktop_.scale()).toPoint());
    QThread::msleep(150);
}

void CaptureDesktop::pointerTo(QPoint p) {
    desktop_.run("xdotool", {"mousemove", QString::number(p.x()), QString::number(p.y())});
}

void CaptureDesktop::drag(QPoint from, QPoint to) {
    const QPoint mid = (from + to) / 2;
    desktop_.run("xdotool",
                 {"mousemove", QString::number(from.x()), QString::number(from.y()), "mousedown",
                  "1", "mousemove", QString::number(mid.x()), QString::number(mid.y()), "mousemove",
                  QString::number(to.x()), QString::number(to.y())});
    QThread::msleep(100);
    desktop_.run("xdotool", {"mouseup", "1"});
}

std::optional<QPoint> CaptureDesktop::captureIntoEditor(QPoint from, QPoint to) {
    clickCapture();
    if (!waitForOverlay()) {
        return std::nullopt;
    }
    drag(from, to);
    // The capture starts one pixel inside the press point.
    const QPoint origin(std::min(from.x(), to.x()) + 1, std::min(from.y(), to.y()) + 1);
    const QSize size(std::abs(to.x() - from.x()), std::abs(to.y() - from.y()));
    std::optional<QPoint> canvas;
    waitUntil(
        [&] {
            canvas = findPicture(desktop_.screenshot(), origin, size);
            return canvas.has_value() && *canvas != origin;
        },
        10000);
    return canvas && *canvas != origin ? canvas : std::nullopt;
}

void CaptureDesktop::key(const QString& name) {
    desktop_.run("xdotool", {"key", name});
}

QStringList CaptureDesktop::shownWindows() const {
    return viewableWindows(desktop_, program_);
}

std::optional<QString> CaptureDesktop::waitForOverlay(int timeoutMs) const {
    std::optional<QString> found;
    waitUntil(
        [&] {
            found.reset();
            size_t covered = 0;
            for (const QString& id : shownWindows()) {
                const QRect g = windowInfo(desktop_, id).geometry;
                for (size_t i = 0; i < screens_.size(); ++i) {
                    if (g == screens_[i]) {
                        ++covered;
                        if (i == 0) {
                            found = id;
                        }
                    }
                }
            }
            return found && covered == screens_.size();
        },
        timeoutMs);
    return found;
}

bool CaptureDesktop::waitForOverlayGone(int timeoutMs) const {
    return waitUntil(
        [&] {
            for (const QString& id : shownWindows()) {
                const QRect g = windowInfo(desktop_, id).geometry;
                if (std::find(screens_.begin(), screens_.end(), g) != screens_.end()) {
                    return false;
                }
            }
            return true;
        },
        timeoutMs);
}

QImage CaptureDesktop::clipboard() const {
    int status = -1;
    const QByteArray png = desktop_.runBytes(
        "xclip", {"-selection", "clipboard", "-t", "image/png", "-o"}, &status, 5000);
    if (status != 0) {
        return {};
    }
    return QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32);
}

QImage CaptureDesktop::waitForNewClipboard(const QImage& previous, int timeoutMs) const {
    return waitForNewPicture([this] { return clipboard(); }, previous, timeoutMs);
}
