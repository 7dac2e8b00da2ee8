#pragma once

#include <QFile>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>

#include "desktop/desktop_harness.h"

// An xdg-open first on the program's PATH: one line "call N" per call, then "arg A" per argument.
// Any user may run it and add to its record (the package's test runs the program as nobody).
class StandInOpener {
public:
    StandInOpener() {
        QFile script(dir_.filePath("xdg-open"));
        script.open(QIODevice::WriteOnly);
        script.write(
            QStringLiteral("#!/bin/sh\n"
                           "{ echo \"call $#\"; for a in \"$@\"; do echo \"arg $a\"; done; "
                           "} >> '%1'\n")
                .arg(log())
                .toUtf8());
        script.close();
        const auto all = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                         QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther |
                         QFile::WriteOther | QFile::ExeOther;
        script.setPermissions(all & ~(QFile::WriteGroup | QFile::WriteOther));
        QFile::setPermissions(dir_.path(), all);
    }
    QString folder() const { return dir_.path(); }
    QList<QStringList> calls() const {
        QFile f(log());
        QList<QStringList> result;
        if (!f.open(QIODevice::ReadOnly)) {
            return result;
        }
        for (const QString& line : QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts)) {
            if (line.startsWith("call ")) {
                result << QStringList();
            } else if (line.startsWith("arg ") && !result.isEmpty()) {
                result.last() << line.mid(4);
            }
        }
        return result;
    }
    bool waitForCalls(qsizetype n) const {
        return waitUntil([&] { return calls().size() >= n; }, 5000);
    }

private:
    QString log() const { return dir_.filePath("calls.log"); }
    QTemporaryDir dir_;
};
