#include "settings/startup_values.h"

#include <QStringList>
#include <cmath>
#include <limits>

#include "settings/settings_error.h"

namespace {

constexpr QChar kSeparator(31);

[[noreturn]] void invalid(const QString& dbPath, const QString& field, const QString& value,
                          const QString& expected) {
    throw SettingsError(
        QStringLiteral(
            "Arquivo de configurações %1: o campo %2 contém \"%3\", mas deveria conter %4.")
            .arg(dbPath, field, value, expected));
}

std::optional<long long> wholeNumber(const QString& text) {
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v) || std::fabs(v) > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    return std::llrint(v);
}

int flag(const QString& value, const char* field, const QString& dbPath) {
    const auto n = wholeNumber(value);
    if (!n) {
        invalid(dbPath, QString::fromLatin1(field), value, QStringLiteral("um número (0 ou 1)"));
    }
    return static_cast<int>(*n);
}

std::optional<int> position(const QString& value, const char* field, const QString& dbPath) {
    if (value.isEmpty()) {
        return std::nullopt;
    }
    const auto n = wholeNumber(value);
    if (!n) {
        invalid(dbPath, QString::fromLatin1(field), value,
                QStringLiteral("um número de twips ou nada"));
    }
    return static_cast<int>(*n);
}

}  // namespace

QString joinShortcutFlags(const QString& desktop, const QString& menu, const QString& startup) {
    return desktop + kSeparator + menu + kSeparator + startup;
}

StartupValues parseStartupValues(const SettingsRow& row, const QString& dbPath) {
    StartupValues v;
    const QString atalhos =
        row.atalhos.isEmpty()
            ? joinShortcutFlags(QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"))
            : row.atalhos;
    const QStringList pieces = atalhos.split(kSeparator);
    if (pieces.size() < 3) {
        invalid(dbPath, QStringLiteral("atalhos"), atalhos,
                QStringLiteral("três valores separados pelo caractere 31"));
    }
    v.shortcuts = {pieces[0], pieces[1], pieces[2]};
    v.optMax = flag(row.optMax, "optMax", dbPath);
    v.iniMinimized = flag(row.iniMinimized, "iniMinimized", dbPath);
    v.left = position(row.left, "left", dbPath);
    v.top = position(row.top, "top", dbPath);
    return v;
}
