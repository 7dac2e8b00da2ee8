#include "settings/statements.h"

namespace statements {

QString selectSettings() {
    return QStringLiteral(
        "SELECT left,top,miniLeft,miniTop,iniMinimized,optTaskbar,optMax,atalhos,fixWidth,"
        "fixHeight FROM Tabela1 where id=1");
}

QString updatePosition(qint64 left, qint64 top) {
    return QStringLiteral("update Tabela1 set [left]=") + QString::number(left) +
           QStringLiteral(",[top]=") + QString::number(top) + QStringLiteral(" where id=1");
}

QString updateMiniPosition(qint64 left, qint64 top) {
    return QStringLiteral("update Tabela1 set [miniLeft]=") + QString::number(left) +
           QStringLiteral(",[miniTop]=") + QString::number(top) + QStringLiteral(" where id=1");
}

QString updateFixedSize(qint64 width, qint64 height) {
    return QStringLiteral("UPDATE Tabela1 SET [fixWidth]='") + QString::number(width) +
           QStringLiteral("', [fixHeight]='") + QString::number(height) +
           QStringLiteral("' WHERE id=") + QStringLiteral("1");
}

QString updateOptions(const QString& iniMinimized, const QString& optTaskbar, const QString& optMax,
                      const QString& atalhos) {
    // The values come from option buttons and check boxes ("0"/"1" and 0x1F), never from typing,
    // so they cannot carry a quote.
    return QStringLiteral("UPDATE Tabela1 SET [iniMinimized]='") + iniMinimized +
           QStringLiteral("', [optTaskbar]='") + optTaskbar + QStringLiteral("',  [optMax]='") +
           optMax + QStringLiteral("',  [atalhos]='") + atalhos + QStringLiteral("' WHERE id=") +
           QStringLiteral("1");
}

}  // namespace statements
