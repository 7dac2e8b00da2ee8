#include "platform/program_layout.h"

#include <QDir>
#include <QFileInfo>

namespace platform {

namespace {

QString under(const QString& dir, const char* relative) {
    return QDir::cleanPath(dir + QLatin1Char('/') + QLatin1String(relative));
}

}  // namespace

ProgramLayout layoutAround(const QString& programsDir) {
    const QString shared = under(programsDir, LUMACAP_DATA_FROM_PROGRAMS);
    const QString command = under(programsDir, LUMACAP_COMMAND_FROM_PROGRAMS);
    // Data beside the programs wins: that is a portable folder, wherever it was put.
    if (!QFileInfo::exists(programsDir + QStringLiteral("/BD")) && QFileInfo(shared).isDir() &&
        QFileInfo(command).isExecutable()) {
        return {shared, command, QStringLiteral(LUMACAP_APP_ID), true};
    }
    return {programsDir, programsDir + QStringLiteral("/Lumacap"),
            programsDir + QStringLiteral("/img/shortcut-icon.ico"), false};
}

}  // namespace platform
