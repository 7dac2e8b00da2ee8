#pragma once

#include <QByteArray>
#include <QTemporaryDir>
#include <array>

// A temporary HOME with its XDG configuration and data folders inside, for this process; the
// old values come back at the end.
class TempHome {
public:
    TempHome() {
        saved_ = {qgetenv("HOME"), qgetenv("XDG_CONFIG_HOME"), qgetenv("XDG_DATA_HOME")};
        qputenv("HOME", dir_.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", (dir_.path() + "/config").toUtf8());
        qputenv("XDG_DATA_HOME", (dir_.path() + "/data").toUtf8());
    }
    ~TempHome() {
        qputenv("HOME", saved_[0]);
        qputenv("XDG_CONFIG_HOME", saved_[1]);
        qputenv("XDG_DATA_HOME", saved_[2]);
    }
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;
    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    std::array<QByteArray, 3> saved_;
};
