#pragma once

#include <QString>

// The one row of Tabela1, every field as text (a missing value is "").
struct SettingsRow {
    QString left;
    QString top;
    QString miniLeft;
    QString miniTop;
    QString iniMinimized;
    QString optTaskbar;
    QString optMax;
    QString atalhos;
    QString fixWidth;
    QString fixHeight;
};
