#include "platform/desktop_open.h"

#include <QCoreApplication>
#include <QProcess>

namespace platform {

namespace {
// The freedesktop opener: it ends with status 0 once the address is with a program that shows
// it, and with another status when there is no such program or it failed.
const char* const kOpener = "xdg-open";
}  // namespace

void realOpenUrl(const QUrl& url, std::function<void(bool opened)> done) {
    // The opener having started is not the address opened: its exit status tells, awaited
    // without holding the interface. (A process that crashes reports finished too; one that
    // cannot start reports only FailedToStart.)
    auto* opener = new QProcess(QCoreApplication::instance());  // owned by the application
    opener->setStandardOutputFile(QProcess::nullDevice());
    opener->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(opener, &QProcess::finished, opener,
                     [opener, done](int code, QProcess::ExitStatus status) {
                         opener->deleteLater();
                         done(status == QProcess::NormalExit && code == 0);
                     });
    QObject::connect(opener, &QProcess::errorOccurred, opener,
                     [opener, done](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart) {
                             opener->deleteLater();
                             done(false);
                         }
                     });
    opener->start(QString::fromLatin1(kOpener), {QString::fromUtf8(url.toEncoded())});
}

}  // namespace platform
