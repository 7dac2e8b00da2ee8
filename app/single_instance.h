#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

#include "platform/instance_lock.h"

// One running copy per user and display. Decided before any window is made: a start either
// becomes the running copy (it holds the lock for its whole run and listens on the socket) or
// finds the running copy and hands its arguments over.
class SingleInstance {
public:
    enum class Role {
        First,   // this start is the running copy
        Second,  // another copy runs: connection() leads to it
        Alone,   // the copy's folder cannot be used: run without the one-copy guard
    };

    SingleInstance();
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Settles the role; waits a short while for a copy that is still starting. `problem` tells
    // why when the role is Alone, or when a copy holds the lock but never answers (then the role
    // is Second with no connection).
    Role settle(QString* problem);

    // The start goes on in the program proper, which replaces this one (exec): the settlement
    // as text for its environment. A held lock stays held across the exec.
    QByteArray handOff();
    // In the program proper: the settlement handed off. Role::Alone when the text is not one.
    Role adopt(const QByteArray& handedOff);

    QString socketPath() const { return socketPath_; }
    // The connected socket of a second start (owned by the caller from here), or -1.
    int takeConnection();

private:
    QString socketPath_;
    std::unique_ptr<platform::InstanceLock> lock_;
    int connection_ = -1;
};
