#include "support/temp_program_dir.h"

#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <stdexcept>

namespace {

void copyTree(const QString& from, const QString& to) {
    QDir().mkpath(to);
    const QDir src(from);
    for (const QFileInfo& info :
         src.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = to + QLatin1Char('/') + info.fileName();
        if (info.isDir()) {
            copyTree(info.filePath(), target);
        } else {
            QFile::copy(info.filePath(), target);
            QFile(target).setPermissions(info.permissions() | QFile::WriteOwner);
        }
    }
}

struct Db {
    explicit Db(const QString& path) {
        if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) !=
            SQLITE_OK) {
            throw std::runtime_error("cannot open test settings file");
        }
    }
    ~Db() { sqlite3_close(db); }
    sqlite3* db = nullptr;
};

}  // namespace

TempProgramDir::TempProgramDir(const QString& source, const QString& folderName) {
    if (!dir_.isValid()) {
        throw std::runtime_error("cannot make a temporary folder");
    }
    path_ = folderName.isEmpty() ? dir_.path() : dir_.path() + QLatin1Char('/') + folderName;
    copyTree(source, path_);
}

QString TempProgramDir::dbPath() const {
    return path_ + QStringLiteral("/BD/SO_Config.mdb");
}

void TempProgramDir::exec(const QString& sql) const {
    Db db(dbPath());
    char* error = nullptr;
    if (sqlite3_exec(db.db, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : "sql failed";
        sqlite3_free(error);
        throw std::runtime_error(message);
    }
}

void TempProgramDir::setField(const QString& field, const QString& value) const {
    Db db(dbPath());
    const QString sql = QStringLiteral("UPDATE Tabela1 SET \"%1\" = ? WHERE id = 1").arg(field);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db.db, sql.toUtf8().constData(), -1, &stmt, nullptr);
    const QByteArray bytes = value.toUtf8();
    if (value.isNull()) {
        sqlite3_bind_null(stmt, 1);
    } else {
        sqlite3_bind_text(stmt, 1, bytes.constData(), static_cast<int>(bytes.size()),
                          SQLITE_TRANSIENT);
    }
    const int rc = sqlite3_step(stmt);
    sqlite3_finalize(stmt);
    if (rc != SQLITE_DONE) {
        throw std::runtime_error("cannot set a test settings field");
    }
}

QString TempProgramDir::field(const QString& field) const {
    Db db(dbPath());
    const QString sql = QStringLiteral("SELECT \"%1\" FROM Tabela1 WHERE id = 1").arg(field);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db.db, sql.toUtf8().constData(), -1, &stmt, nullptr);
    QString result;
    if (sqlite3_step(stmt) == SQLITE_ROW) {
        const auto* text = sqlite3_column_text(stmt, 0);
        result = text ? QString::fromUtf8(reinterpret_cast<const char*>(text)) : QString("");
    }
    sqlite3_finalize(stmt);
    return result;
}
