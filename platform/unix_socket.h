#pragma once

#include <QString>

// The bits of local sockets that Qt leaves to the system.
namespace platform {

// A connection to the local socket at `path`, as a descriptor (close-on-exec), or -1 when
// nobody listens there.
int connectLocalSocket(const QString& path);

// Whether the process at the other end of a connected local socket runs as this user.
bool peerIsThisUser(qintptr descriptor);

}  // namespace platform
