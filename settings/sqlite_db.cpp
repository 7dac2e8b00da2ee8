#include "settings/sqlite_db.h"

#include <sqlite3.h>

#include <QFileInfo>
#include <memory>

#include "settings/settings_error.h"

namespace {

struct StatementDeleter {
    void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementDeleter>;

}  // namespace

SqliteDb::SqliteDb(const QString& path) : path_(path) {
    const QFileInfo info(path);
    if (!info.exists()) {
        throw SettingsError(QStringLiteral("O arquivo de configurações %1 não existe.").arg(path));
    }
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db_, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        const QString reason = db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QString();
        sqlite3_close(db_);
        db_ = nullptr;
        throw SettingsError(
            QStringLiteral("Não foi possível abrir o arquivo de configurações %1: %2")
                .arg(path, reason));
    }
    // A second copy of the program holds the file only for one statement, a few milliseconds.
    // Waiting longer would freeze the windows (this runs on the interface thread): a file held
    // past this is reported as busy instead.
    sqlite3_busy_timeout(db_, kBusyWaitMs);
}

SqliteDb::~SqliteDb() {
    sqlite3_close(db_);
}

void SqliteDb::fail(const QString& what) const {
    throw SettingsError(QStringLiteral("Arquivo de configurações %1: %2 (%3)")
                            .arg(path_, what, QString::fromUtf8(sqlite3_errmsg(db_))));
}

void SqliteDb::execute(const QString& statement, const QStringList& values) {
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db_, statement.toUtf8().constData(), -1, &raw, nullptr) != SQLITE_OK) {
        fail(QStringLiteral("o comando não pôde ser preparado"));
    }
    Statement stmt(raw);
    for (int i = 0; i < values.size(); ++i) {
        const QByteArray text = values[i].toUtf8();
        if (sqlite3_bind_text(stmt.get(), i + 1, text.constData(), static_cast<int>(text.size()),
                              SQLITE_TRANSIENT) != SQLITE_OK) {
            fail(QStringLiteral("um valor não pôde ser passado ao comando"));
        }
    }
    const int rc = sqlite3_step(stmt.get());
    if (rc != SQLITE_DONE && rc != SQLITE_ROW) {
        fail(QStringLiteral("o comando falhou"));
    }
    // An UPDATE that touched no row stored nothing: that is a failure, not a success.
    if (sqlite3_stmt_readonly(stmt.get()) == 0 && sqlite3_changes(db_) == 0) {
        throw SettingsError(
            QStringLiteral("Arquivo de configurações %1: a linha com id=1 não existe na tabela "
                           "Tabela1.")
                .arg(path_));
    }
}

std::optional<QStringList> SqliteDb::firstRow(const QString& query) {
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db_, query.toUtf8().constData(), -1, &raw, nullptr) != SQLITE_OK) {
        fail(QStringLiteral("a consulta não pôde ser preparada"));
    }
    Statement stmt(raw);
    const int rc = sqlite3_step(stmt.get());
    if (rc == SQLITE_DONE) {
        return std::nullopt;
    }
    if (rc != SQLITE_ROW) {
        fail(QStringLiteral("a consulta falhou"));
    }
    QStringList row;
    const int n = sqlite3_column_count(stmt.get());
    for (int i = 0; i < n; ++i) {
        const auto* text = sqlite3_column_text(stmt.get(), i);
        row << (text ? QString::fromUtf8(reinterpret_cast<const char*>(text)) : QString(""));
    }
    return row;
}
