#include "settings/startup_values.h"

#include <QRegularExpression>
#include <QStringList>
#include <cmath>
#include <limits>

#include "settings/settings_error.h"

namespace {

constexpr QChar kSeparator(31);

// Every field is checked by the same rule: a value the program cannot use stops the start with
// one message naming the file, the field, what it holds and what it should hold.
class FieldCheck {
public:
    explicit FieldCheck(const QString& dbPath) : dbPath_(dbPath) {}

    [[noreturn]] void invalid(const char* field, const QString& value,
                              const QString& expected) const {
        throw SettingsError(
            QStringLiteral(
                "Arquivo de configurações %1: o campo %2 contém \"%3\", mas deveria conter %4.")
                .arg(dbPath_, QString::fromLatin1(field), value, expected));
    }

    // "0" or "1".
    int flag(const QString& value, const char* field) const {
        if (value != QLatin1String("0") && value != QLatin1String("1")) {
            invalid(field, value, QStringLiteral("0 ou 1"));
        }
        return value == QLatin1String("1") ? 1 : 0;
    }

    // A number of twips that fits a window position; empty means none.
    std::optional<int> position(const QString& value, const char* field) const {
        if (value.isEmpty()) {
            return std::nullopt;
        }
        bool ok = false;
        const double v = value.trimmed().toDouble(&ok);
        if (!ok || !std::isfinite(v) || std::fabs(v) > std::numeric_limits<int>::max()) {
            invalid(field, value, QStringLiteral("um número de twips ou nada"));
        }
        return static_cast<int>(std::lrint(v));
    }

    // A whole number of pixels, or nothing; the size boxes bring it within the screen.
    void size(const QString& value, const char* field) const {
        static const QRegularExpression whole(QStringLiteral("^[+-]?[0-9]+$"));
        if (!value.isEmpty() && !whole.match(value).hasMatch()) {
            invalid(field, value, QStringLiteral("um número inteiro de pixels ou nada"));
        }
    }

    // Three flags "0"/"1" separated by the character 31; empty means three "0".
    std::array<QString, 3> shortcuts(const QString& value) const {
        if (value.isEmpty()) {
            return {QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")};
        }
        const QStringList pieces = value.split(kSeparator);
        const auto isFlag = [](const QString& p) {
            return p == QLatin1String("0") || p == QLatin1String("1");
        };
        if (pieces.size() < 3 || !isFlag(pieces[0]) || !isFlag(pieces[1]) || !isFlag(pieces[2])) {
            invalid("atalhos", value,
                    QStringLiteral("três valores 0 ou 1 separados pelo caractere 31"));
        }
        return {pieces[0], pieces[1], pieces[2]};
    }

private:
    QString dbPath_;
};

}  // namespace

QString joinShortcutFlags(const QString& desktop, const QString& menu, const QString& startup) {
    return desktop + kSeparator + menu + kSeparator + startup;
}

StartupValues parseStartupValues(const SettingsRow& row, const QString& dbPath) {
    const FieldCheck check(dbPath);
    StartupValues v;
    v.shortcuts = check.shortcuts(row.atalhos);
    v.optMax = check.flag(row.optMax, "optMax");
    v.iniMinimized = check.flag(row.iniMinimized, "iniMinimized");
    check.flag(row.optTaskbar, "optTaskbar");
    v.left = check.position(row.left, "left");
    v.top = check.position(row.top, "top");
    v.miniLeft = check.position(row.miniLeft, "miniLeft").value_or(0);
    v.miniTop = check.position(row.miniTop, "miniTop").value_or(0);
    check.size(row.fixWidth, "fixWidth");
    check.size(row.fixHeight, "fixHeight");
    return v;
}
