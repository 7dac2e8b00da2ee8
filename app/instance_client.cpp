#include "app/instance_client.h"

#include <unistd.h>

#include "platform/unix_socket.h"

namespace {

constexpr int kAnswerWaitMs = 15000;

instance_message::Answer failed(const QString& why) {
    return {1, {}, QStringLiteral("Lumacap: o Lumacap em execução não respondeu (%1).").arg(why)};
}

instance_message::Answer exchange(int connection, const instance_message::Request& request,
                                  bool untilDone) {
    if (!platform::sendAll(connection, instance_message::encode(request))) {
        return failed(QStringLiteral("a conexão foi fechada"));
    }
    instance_message::FrameReader reader;
    for (;;) {
        bool timedOut = false;
        const QByteArray bytes =
            platform::receiveSome(connection, untilDone ? -1 : kAnswerWaitMs, &timedOut);
        if (bytes.isEmpty()) {
            return failed(timedOut ? QStringLiteral("tempo esgotado")
                                   : QStringLiteral("a conexão foi fechada"));
        }
        switch (reader.add(bytes)) {
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

}  // namespace

instance_message::Answer askRunningCopy(int connection, const instance_message::Request& request,
                                        bool untilDone) {
    const instance_message::Answer answer = exchange(connection, request, untilDone);
    ::close(connection);
    return answer;
}
