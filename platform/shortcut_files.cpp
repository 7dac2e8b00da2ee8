#include "platform/shortcut_files.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

#include "platform/user_folders.h"

namespace shortcuts {

namespace {

// Quotes one Exec argument as desktop entries require: inside double quotes, the characters
// " ` $ \ take a backslash; then the value as a whole escapes its backslashes again.
QString quoteExecArgument(const QString& argument) {
    QString quoted;
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\')) {
            quoted += QLatin1Char('\\');
        }
        quoted += c;
    }
    quoted.replace(QLatin1Char('%'), QStringLiteral("%%"));
    quoted = QLatin1Char('"') + quoted + QLatin1Char('"');
    return quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
}

QString escapeString(const QString& value) {
    QString escaped = value;
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    escaped.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    return escaped;
}

}  // namespace

QString folder(Kind kind) {
    switch (kind) {
        case Kind::Desktop:
            return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
        case Kind::Menu:
            return QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
        case Kind::Startup:
            return platform::configHome() + QStringLiteral("/autostart");
    }
    return {};
}

QString path(Kind kind) {
    return folder(kind) + QLatin1Char('/') + QLatin1String(kFileName);
}

QString displayName(Kind kind) {
    switch (kind) {
        case Kind::Desktop:
            return QStringLiteral("atalho na área de trabalho");
        case Kind::Menu:
            return QStringLiteral("atalho no menu de aplicativos");
        case Kind::Startup:
            return QStringLiteral("início automático");
    }
    return {};
}

QString desktopEntry(const QString& program, const QString& icon) {
    const QString exec = quoteExecArgument(program);
    // The desktop's menus and launchers offer these actions beside the program, each a start
    // that the running copy carries out.
    struct Action {
        const char* id;
        const char* name;
        const char* mode;
    };
    constexpr Action actions[] = {{"capturar-selecao", "Capturar seleção", "selection"},
                                  {"capturar-area", "Capturar área", "area"},
                                  {"capturar-tela", "Capturar tela", "screen"}};
    // One main category, so that a menu lists the program once.
    QString entry = QStringLiteral(
                        "[Desktop Entry]\n"
                        "Type=Application\n"
                        "Name=Lumacap\n"
                        "Comment=Captura de tela\n"
                        "Exec=%1\n"
                        "Icon=%2\n"
                        "Terminal=false\n"
                        "Categories=Graphics;\n"
                        "Keywords=captura;tela;screenshot;print;\n"
                        "Actions=capturar-selecao;capturar-area;capturar-tela;\n")
                        .arg(exec, escapeString(icon));
    for (const Action& a : actions) {
        entry +=
            QStringLiteral("\n[Desktop Action %1]\nName=%2\nExec=%3 --capture=%4\n")
                .arg(QLatin1String(a.id), QString::fromUtf8(a.name), exec, QLatin1String(a.mode));
    }
    return entry;
}

bool create(Kind kind, const QString& program, const QString& icon, QString* error) {
    const QString dir = folder(kind);
    if (!QDir().mkpath(dir)) {
        *error =
            QStringLiteral("%1: não foi possível criar a pasta %2").arg(displayName(kind), dir);
        return false;
    }
    QSaveFile file(path(kind));
    if (!file.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("%1: %2").arg(displayName(kind), file.errorString());
        return false;
    }
    file.write(desktopEntry(program, icon).toUtf8());
    if (!file.commit()) {
        *error = QStringLiteral("%1: %2").arg(displayName(kind), file.errorString());
        return false;
    }
    if (kind == Kind::Desktop) {
        QFile::setPermissions(path(kind), QFile::permissions(path(kind)) | QFile::ExeOwner |
                                              QFile::ExeUser | QFile::ExeGroup | QFile::ExeOther);
    }
    return true;
}

bool remove(Kind kind, QString* error) {
    QFile file(path(kind));
    if (!file.exists()) {
        return true;
    }
    if (!file.remove()) {
        *error = QStringLiteral("%1: %2").arg(displayName(kind), file.errorString());
        return false;
    }
    return true;
}

}  // namespace shortcuts
