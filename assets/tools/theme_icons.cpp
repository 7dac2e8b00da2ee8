#include "theme_icons.h"

#include <QDir>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

#include "ui/pictures.h"

namespace {

bool fail(const QString& path) {
    std::fprintf(stderr, "mkassets: cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

bool writeThemeIcons(const QString& themeDir, const QString& name) {
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(themeDir).arg(size);
        const QString path = dir + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!QDir().mkpath(dir) || !pictures::programIconPixmap(size).save(path, "PNG")) {
            return fail(path);
        }
    }
    const QString dir = themeDir + QStringLiteral("/scalable/apps");
    const QString path = dir + QLatin1Char('/') + name + QStringLiteral(".svg");
    if (!QDir().mkpath(dir)) {
        return fail(path);
    }
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(24, 24));
    svg.setViewBox(QRectF(0, 0, 24, 24));
    svg.setTitle(QStringLiteral("Lumacap"));
    QPainter p;
    if (!p.begin(&svg)) {
        return fail(path);
    }
    p.setRenderHint(QPainter::Antialiasing);
    pictures::paintProgramIcon(p);
    return p.end() || fail(path);
}
