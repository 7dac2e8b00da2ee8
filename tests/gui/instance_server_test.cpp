// The running copy's socket, spoken to as a second start would: one answer to a well-formed
// request, nothing but a closed connection for anything else.
#include "app/instance_server.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include "platform/unix_socket.h"

namespace {

// Everything the server sends until it closes the connection (the event loop runs meanwhile);
// nullopt when it is still open after `timeoutMs`.
std::optional<QByteArray> readToClose(int fd, int timeoutMs = 5000) {
    QByteArray all;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        bool timedOut = false;
        const QByteArray some = platform::receiveSome(fd, 10, &timedOut);
        if (!timedOut && some.isEmpty()) {
            return all;
        }
        all += some;
    }
    return std::nullopt;
}

TEST(InstanceServer, AnswersAWellFormedRequestOnceAndClosesOnAnythingElse) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("copy.socket"));
    QFile stale(path);  // what a copy that crashed left
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();

    QList<instance_message::Request> heard;
    InstanceServer server(
        [&](const instance_message::Request& request, const InstanceServer::Answer& answer) {
            heard << request;
            answer({3, QStringLiteral("feito"), QString()});
        },
        nullptr);
    QString why;
    ASSERT_TRUE(server.listen(path, &why)) << why.toStdString();
    EXPECT_EQ(QFile::permissions(path) &
                  (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
              QFile::Permissions());

    // Well formed, sent in two pieces: one answer, then the connection ends.
    const QByteArray request =
        instance_message::encode(instance_message::Request{QStringLiteral("/tmp"), {"--tray"}});
    int fd = platform::connectLocalSocket(path);
    ASSERT_GE(fd, 0);
    ASSERT_TRUE(platform::sendAll(fd, request.left(3)));
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    ASSERT_TRUE(platform::sendAll(fd, request.mid(3)));
    const auto answered = readToClose(fd);
    ::close(fd);
    ASSERT_TRUE(answered);
    instance_message::FrameReader reader;
    ASSERT_EQ(reader.add(*answered), instance_message::FrameReader::State::Complete);
    const auto answer = instance_message::decodeAnswer(reader.payload());
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->status, 3);
    EXPECT_EQ(answer->out, QStringLiteral("feito"));
    ASSERT_EQ(heard.size(), 1);
    EXPECT_EQ(heard[0].arguments, QStringList{"--tray"});

    // Too large, and not JSON: closed without an answer, and nothing acted on.
    for (const QByteArray& bad :
         {QByteArray("\xff\xff\xff\xff", 4), QByteArray("\0\0\0\x03{x}", 7)}) {
        fd = platform::connectLocalSocket(path);
        ASSERT_GE(fd, 0);
        ASSERT_TRUE(platform::sendAll(fd, bad));
        const auto closed = readToClose(fd);
        ::close(fd);
        ASSERT_TRUE(closed);
        EXPECT_TRUE(closed->isEmpty());
    }
    EXPECT_EQ(heard.size(), 1);
}

}  // namespace
