#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// What a second start and the running copy say to each other over the local socket: one
// request, one answer, each a frame of a 4-byte big-endian length and that many bytes of JSON.
// Both are small and bounded; anything else is malformed and is never acted on in part.
namespace instance_message {

// Largest frame accepted, length included.
inline constexpr qsizetype kMaxFrameBytes = 16 * 1024;

struct Request {
    QString folder;  // where the second start was run (relative --output paths)
    QStringList arguments;
};

struct Answer {
    int status = 0;  // the exit status the second start ends with
    QString out;     // for its standard output
    QString err;     // for its standard error
};

QByteArray encode(const Request& request);
QByteArray encode(const Answer& answer);

// Collects the bytes of one frame as they arrive.
class FrameReader {
public:
    enum class State { NeedMore, Complete, TooLarge };
    State add(const QByteArray& bytes);
    // The JSON of a complete frame.
    QByteArray payload() const;

private:
    QByteArray buffer_;
};

// The request or answer in a frame's JSON; nullopt with the reason when it is malformed.
std::optional<Request> decodeRequest(const QByteArray& payload, QString* reason);
std::optional<Answer> decodeAnswer(const QByteArray& payload);

}  // namespace instance_message
