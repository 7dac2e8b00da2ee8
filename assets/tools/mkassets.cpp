// Build-time maker of the data files installed beside the program.
//   mkassets settings <schema.sql> <out.mdb>   the settings file, from its schema
//   mkassets pdf <source.txt> <out.pdf>        a ReadMe document, from its text source
//   mkassets icon <out.ico>                    the shortcut icon, from the program icon
//   mkassets entry <program> <icon> <out>      the desktop entry shipped with the program
//   mkassets icons <theme-dir> <name>          the program icon in an icon theme (hicolor)
#include <sqlite3.h>

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "icon_file.h"
#include "info/maker_info.h"
#include "platform/shortcut_files.h"
#include "readme_pdf.h"
#include "theme_icons.h"
#include "ui/pictures.h"

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

// The names a ReadMe source may use, all from the one place that holds them.
QHash<QString, QString> readmeValues() {
    using namespace maker_info;
    return {
        {QStringLiteral("MAKER"), QString::fromUtf8(kMaker)},
        {QStringLiteral("AUTHOR"), QString::fromUtf8(kAuthor)},
        {QStringLiteral("SITE"), QString::fromUtf8(kSiteUrl)},
        {QStringLiteral("SITE_SHOWN"), QString::fromUtf8(kSiteShownStart) +
                                           QString::fromUtf8(kSiteShownMiddle) +
                                           QString::fromUtf8(kSiteShownEnd)},
        {QStringLiteral("VERSION"), QString::fromUtf8(kVersionLine)},
        {QStringLiteral("YEAR"), QString::fromUtf8(kCopyrightYear)},
    };
}

int makePdf(int argc, char* argv[]) {
    // Fonts need a GUI application; the build has no display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    return makeReadmePdf(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                         readmeValues());
}

int makeIcon(int argc, char* argv[], const QString& outPath) {
    // The pictures are painted; painting needs a GUI application but no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QList<QImage> images;
    for (int size : {16, 24, 32, 48, 64, 256}) {
        images << pictures::programIconPixmap(size).toImage();
    }
    if (!writeIconFile(outPath, images)) {
        std::fprintf(stderr, "mkassets: cannot write %s\n", qPrintable(outPath));
        return 1;
    }
    return 0;
}

int makeThemeIcons(int argc, char* argv[], const QString& themeDir, const QString& name) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return writeThemeIcons(themeDir, name) ? 0 : 1;
}

int makeEntry(const QString& program, const QString& icon, const QString& outPath) {
    QFile out(outPath);
    if (!out.open(QIODevice::WriteOnly) ||
        out.write(shortcuts::desktopEntry(program, icon).toUtf8()) < 0) {
        std::fprintf(stderr, "mkassets: cannot write %s\n", qPrintable(outPath));
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc >= 3 && QByteArray(argv[1]) == "icon") {
        return makeIcon(argc, argv, QString::fromLocal8Bit(argv[2]));
    }
    if (argc >= 4 && QByteArray(argv[1]) == "settings") {
        return makeSettings(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    }
    if (argc >= 4 && QByteArray(argv[1]) == "pdf") {
        return makePdf(argc, argv);
    }
    if (argc >= 5 && QByteArray(argv[1]) == "entry") {
        return makeEntry(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                         QString::fromLocal8Bit(argv[4]));
    }
    if (argc >= 4 && QByteArray(argv[1]) == "icons") {
        return makeThemeIcons(argc, argv, QString::fromLocal8Bit(argv[2]),
                              QString::fromLocal8Bit(argv[3]));
    }
    std::fprintf(stderr,
                 "usage: mkassets settings <schema.sql> <out.mdb>\n"
                 "       mkassets pdf <source.txt> <out.pdf>\n"
                 "       mkassets icon <out.ico>\n"
                 "       mkassets entry <program> <icon> <out.desktop>\n"
                 "       mkassets icons <theme-dir> <name>\n");
    return 2;
}
