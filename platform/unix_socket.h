#pragma once

#include <QByteArray>
#include <QString>

// The bits of local sockets that Qt leaves to the system.
namespace platform {

// A connection to the local socket at `path`, as a descriptor (close-on-exec), or -1 when
// nobody listens there.
int connectLocalSocket(const QString& path);

// Whether the process at the other end of a connected local socket runs as this user.
bool peerIsThisUser(qintptr descriptor);

// Writes all of `bytes` to a connected socket. False when the other end has gone.
bool sendAll(int descriptor, const QByteArray& bytes);
// Waits up to `timeoutMs` (-1: for ever) for bytes and returns what came; empty when the other
// end closed, `timedOut` set when nothing came in time.
QByteArray receiveSome(int descriptor, int timeoutMs, bool* timedOut);

}  // namespace platform
