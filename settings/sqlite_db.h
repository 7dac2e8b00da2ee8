#pragma once

#include <QString>
#include <QStringList>
#include <optional>

struct sqlite3;

// Owns one open connection to an existing SQLite file. Never creates the file.
class SqliteDb {
public:
    // How long a statement waits for a file that another connection holds.
    static constexpr int kBusyWaitMs = 100;

    // Throws SettingsError when the file is missing or cannot be opened for reading and writing.
    explicit SqliteDb(const QString& path);
    ~SqliteDb();
    SqliteDb(const SqliteDb&) = delete;
    SqliteDb& operator=(const SqliteDb&) = delete;

    // Runs a statement that returns no rows, with `values` bound to its placeholders as text.
    // Throws SettingsError on failure.
    void execute(const QString& statement, const QStringList& values = {});
    // Runs a query and returns its first row, every column as text (NULL as ""), or nothing when
    // the query yields no row. Throws SettingsError on failure.
    std::optional<QStringList> firstRow(const QString& query);

private:
    [[noreturn]] void fail(const QString& what) const;

    QString path_;
    sqlite3* db_ = nullptr;
};
