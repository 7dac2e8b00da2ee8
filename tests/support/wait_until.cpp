#include "support/wait_until.h"

#include <QElapsedTimer>
#include <QThread>

bool waitUntil(const std::function<bool()>& predicate, int timeoutMs) {
    QElapsedTimer t;
    t.start();
    while (!predicate()) {
        if (t.elapsed() > timeoutMs) {
            return false;
        }
        QThread::msleep(50);
    }
    return true;
}

QImage waitForNewPicture(const std::function<QImage()>& read, const QImage& previous,
                         int timeoutMs) {
    QImage now;
    waitUntil(
        [&] {
            now = read();
            return !now.isNull() && now != previous;
        },
        timeoutMs);
    return now != previous ? now : QImage();
}
