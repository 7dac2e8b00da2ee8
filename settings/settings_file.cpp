#include "settings/settings_file.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/user_folders.h"
#include "settings/lc_mod1_bd.h"
#include "settings/settings_error.h"

namespace settings_file {

namespace {

bool userMayWrite(const QString& dir) {
    return ::access(QFile::encodeName(dir).constData(), W_OK) == 0;
}

QString madeFromTemplate(const QString& file, const QString& templateFile) {
    const QString dir = QFileInfo(file).absolutePath();
    if (!QDir().mkpath(dir)) {
        throw SettingsError(
            QStringLiteral("Não foi possível criar a pasta %1 para o arquivo de configurações.")
                .arg(dir));
    }
    if (!QFileInfo::exists(templateFile)) {
        throw SettingsError(
            QStringLiteral("O arquivo de configurações %1 não pôde ser criado: o modelo %2 não "
                           "existe.")
                .arg(file, templateFile));
    }
    QFile source(templateFile);
    // Copying never replaces a file: one made meanwhile by another start is kept.
    if (!source.copy(file) && !QFileInfo::exists(file)) {
        throw SettingsError(QStringLiteral("O arquivo de configurações %1 não pôde ser criado a "
                                           "partir de %2: %3.")
                                .arg(file, templateFile, source.errorString()));
    }
    // The template may be read-only; the user's copy is the user's to write, and theirs alone.
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    return file;
}

// The user's own settings file.
QString userFile() {
    return platform::configHome() + QStringLiteral("/lumacap") +
           QLatin1String(LC_Mod1_BD::kFolder) + QLatin1String(LC_Mod1_BD::kFileName);
}

// The file beside the program (or its template, in a system install).
QString besideProgram(const platform::ProgramLayout& layout) {
    return layout.dataDir + QLatin1String(LC_Mod1_BD::kFolder) +
           QLatin1String(LC_Mod1_BD::kFileName);
}

}  // namespace

QString forRun(const platform::ProgramLayout& layout) {
    const QString beside = besideProgram(layout);
    const QString folder = QFileInfo(beside).absolutePath();
    // Root may write the system's folders too, but a package's files are not settings. A
    // portable folder without BD/ is told as a missing settings file, as ever.
    if (!layout.system && (userMayWrite(folder) || !QFileInfo::exists(folder))) {
        return beside;
    }
    const QString own = userFile();
    // An existing file is never replaced, even a damaged one: the start-up says what is wrong.
    if (QFileInfo(own).exists() || QFileInfo(own).isSymLink()) {
        return own;
    }
    return madeFromTemplate(own, beside);
}

}  // namespace settings_file
