#include "app/instance_client.h"

#include <unistd.h>

#include <QLocalSocket>

namespace {

constexpr int kAnswerWaitMs = 15000;

instance_message::Answer failed(const QString& why) {
    return {1, {}, QStringLiteral("Lumacap: o Lumacap em execução não respondeu (%1).").arg(why)};
}

}  // namespace

instance_message::Answer askRunningCopy(int connection, const instance_message::Request& request,
                                        bool untilDone) {
    QLocalSocket socket;
    if (!socket.setSocketDescriptor(connection)) {
        ::close(connection);
        return failed(socket.errorString());
    }
    socket.write(instance_message::encode(request));
    if (!socket.waitForBytesWritten(kAnswerWaitMs)) {
        return failed(socket.errorString());
    }
    instance_message::FrameReader reader;
    for (;;) {
        if (!socket.waitForReadyRead(untilDone ? -1 : kAnswerWaitMs)) {
            return failed(socket.state() == QLocalSocket::ConnectedState
                              ? QStringLiteral("tempo esgotado")
                              : QStringLiteral("a conexão foi fechada"));
        }
        switch (reader.add(socket.readAll())) {
            case instance_message::FrameReader::State::NeedMore:
                continue;
            case instance_message::FrameReader::State::TooLarge:
                return failed(QStringLiteral("resposta grande demais"));
            case instance_message::FrameReader::State::Complete:
                if (const auto answer = instance_message::decodeAnswer(reader.payload())) {
                    return *answer;
                }
                return failed(QStringLiteral("resposta malformada"));
        }
    }
}
