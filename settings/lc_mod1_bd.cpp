#include "settings/lc_mod1_bd.h"

#include "settings/settings_error.h"
#include "settings/settings_file.h"
#include "settings/sqlite_db.h"
#include "settings/statements.h"

QString& LC_Mod1_BD::path() {
    static QString p;
    return p;
}

void LC_Mod1_BD::SetDatabasePath(const platform::ProgramLayout& layout) {
    path() = settings_file::forRun(layout);
}

QString LC_Mod1_BD::dbPath() {
    return path();
}

SettingsRow LC_Mod1_BD::readSettings() {
    SqliteDb db(path());
    const auto row = db.firstRow(statements::selectSettings());
    if (!row) {
        throw SettingsError(
            QStringLiteral("Arquivo de configurações %1: a linha com id=1 não existe na tabela "
                           "Tabela1.")
                .arg(path()));
    }
    const QStringList& f = *row;
    return SettingsRow{f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9]};
}

void LC_Mod1_BD::execute(const SettingsStatement& statement) {
    SqliteDb db(path());
    db.execute(statement.text, statement.values);
}
