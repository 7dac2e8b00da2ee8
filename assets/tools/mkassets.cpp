// Build-time maker of the data files installed beside the program.
//   mkassets settings <schema.sql> <out.mdb>   the settings file, from its schema
#include <sqlite3.h>

#include <QFile>
#include <cstdio>

namespace {

int makeSettings(const QString& schemaPath, const QString& outPath) {
    QFile schema(schemaPath);
    if (!schema.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "mkassets: cannot read %s\n", qPrintable(schemaPath));
        return 1;
    }
    const QByteArray sql = schema.readAll();
    sqlite3* db = nullptr;
    if (sqlite3_open(outPath.toUtf8().constData(), &db) != SQLITE_OK) {
        std::fprintf(stderr, "mkassets: cannot create %s\n", qPrintable(outPath));
        sqlite3_close(db);
        return 1;
    }
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql.constData(), nullptr, nullptr, &error);
    if (rc != SQLITE_OK) {
        std::fprintf(stderr, "mkassets: %s\n", error ? error : "schema failed");
        sqlite3_free(error);
    }
    sqlite3_close(db);
    return rc == SQLITE_OK ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc >= 4 && QByteArray(argv[1]) == "settings") {
        return makeSettings(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    }
    std::fprintf(stderr, "usage: mkassets settings <schema.sql> <out.mdb>\n");
    return 2;
}
