#include <QClipboard>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>

#include "platform/clipboard_handover.h"
#include "platform/clipboard_helper.h"

namespace platform {

namespace {

// Once the helper holds the clipboard, Qt is told that it is no longer this program's (it
// would otherwise try a hand-over of its own as it closes the display).
constexpr int kReleaseWaitMs = 1000;

void waitUntilReleased() {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&loop] {
        if (!QGuiApplication::clipboard()->ownsClipboard()) {
            loop.quit();
        }
    });
    poll.start(10);
    QTimer::singleShot(kReleaseWaitMs, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace

bool handOverClipboard(const QByteArray& png, QString* reason) {
    if (!startClipboardHelper(
            QCoreApplication::applicationDirPath() + QStringLiteral("/lumacap-clipboard"), png,
            reason)) {
        return false;
    }
    waitUntilReleased();
    return true;
}

}  // namespace platform
