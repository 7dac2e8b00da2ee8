#include "ui/dialog_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>

bool usePortugueseDialogs() {
    // Found where this Qt keeps its translations, whatever the system's own language is.
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto* translator = new QTranslator(QCoreApplication::instance());  // owned by the application
    if (!translator->load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"),
                          QStringLiteral("_"), folder)) {
        delete translator;
        std::fprintf(stderr,
                     "Lumacap: as traduções do Qt não estão em %s; os diálogos ficam em inglês.\n",
                     folder.toLocal8Bit().constData());
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}
