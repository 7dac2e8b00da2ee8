#include "settings/statements.h"

namespace statements {

QString selectSettings() {
    return QStringLiteral(
        "SELECT left,top,miniLeft,miniTop,iniMinimized,optTaskbar,optMax,atalhos,fixWidth,"
        "fixHeight FROM Tabela1 where id=1");
}

SettingsStatement updatePosition(qint64 left, qint64 top) {
    return {QStringLiteral("update Tabela1 set [left]=?,[top]=? where id=1"),
            {QString::number(left), QString::number(top)}};
}

SettingsStatement updateMiniPosition(qint64 left, qint64 top) {
    return {QStringLiteral("update Tabela1 set [miniLeft]=?,[miniTop]=? where id=1"),
            {QString::number(left), QString::number(top)}};
}

SettingsStatement updateFixedSize(qint64 width, qint64 height) {
    return {QStringLiteral("UPDATE Tabela1 SET [fixWidth]=?, [fixHeight]=? WHERE id=1"),
            {QString::number(width), QString::number(height)}};
}

SettingsStatement updateOptions(const QString& iniMinimized, const QString& optTaskbar,
                                const QString& optMax, const QString& atalhos) {
    return {QStringLiteral("UPDATE Tabela1 SET [iniMinimized]=?, [optTaskbar]=?,  [optMax]=?,  "
                           "[atalhos]=? WHERE id=1"),
            {iniMinimized, optTaskbar, optMax, atalhos}};
}

}  // namespace statements
