#include "app/instance_message.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>

namespace instance_message {

namespace {

constexpr qsizetype kLengthBytes = 4;
constexpr int kVersion = 1;

QByteArray frame(const QJsonObject& object) {
    const QByteArray json = QJsonDocument(object).toJson(QJsonDocument::Compact);
    QByteArray bytes(kLengthBytes, '\0');
    qToBigEndian(static_cast<quint32>(json.size()), bytes.data());
    return bytes + json;
}

std::optional<QJsonObject> object(const QByteArray& payload, QString* reason) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(payload, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()) {
        *reason = QStringLiteral("não é um objeto JSON");
        return std::nullopt;
    }
    const QJsonObject o = doc.object();
    if (o.value(QStringLiteral("v")).toInt(-1) != kVersion) {
        *reason = QStringLiteral("versão desconhecida");
        return std::nullopt;
    }
    return o;
}

}  // namespace

QByteArray encode(const Request& request) {
    return frame({{QStringLiteral("v"), kVersion},
                  {QStringLiteral("folder"), request.folder},
                  {QStringLiteral("arguments"), QJsonArray::fromStringList(request.arguments)}});
}

QByteArray encode(const Answer& answer) {
    return frame({{QStringLiteral("v"), kVersion},
                  {QStringLiteral("status"), answer.status},
                  {QStringLiteral("out"), answer.out},
                  {QStringLiteral("err"), answer.err}});
}

FrameReader::State FrameReader::add(const QByteArray& bytes) {
    buffer_ += bytes;
    if (buffer_.size() < kLengthBytes) {
        return State::NeedMore;
    }
    const quint32 length = qFromBigEndian<quint32>(buffer_.constData());
    if (length > kMaxFrameBytes - kLengthBytes || buffer_.size() > kMaxFrameBytes) {
        return State::TooLarge;
    }
    return buffer_.size() < kLengthBytes + qsizetype(length) ? State::NeedMore : State::Complete;
}

QByteArray FrameReader::payload() const {
    return buffer_.mid(kLengthBytes);
}

std::optional<Request> decodeRequest(const QByteArray& payload, QString* reason) {
    const auto o = object(payload, reason);
    if (!o) {
        return std::nullopt;
    }
    const QJsonValue folder = o->value(QStringLiteral("folder"));
    const QJsonValue arguments = o->value(QStringLiteral("arguments"));
    if (!folder.isString() || !QDir::isAbsolutePath(folder.toString()) || !arguments.isArray()) {
        *reason = QStringLiteral("faltam a pasta ou os argumentos");
        return std::nullopt;
    }
    Request r;
    r.folder = folder.toString();
    for (const QJsonValue& a : arguments.toArray()) {
        if (!a.isString()) {
            *reason = QStringLiteral("um argumento não é texto");
            return std::nullopt;
        }
        r.arguments << a.toString();
    }
    return r;
}

std::optional<Answer> decodeAnswer(const QByteArray& payload) {
    QString reason;
    const auto o = object(payload, &reason);
    if (!o || !o->value(QStringLiteral("status")).isDouble()) {
        return std::nullopt;
    }
    return Answer{o->value(QStringLiteral("status")).toInt(),
                  o->value(QStringLiteral("out")).toString(),
                  o->value(QStringLiteral("err")).toString()};
}

}  // namespace instance_message
