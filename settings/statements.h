#pragma once

#include <QString>
#include <QStringList>

// A statement on the settings file: its text, with a placeholder (?) where each value goes, and
// the values, bound in order as text. Bound values are never read as SQL: a quote in any of them
// is stored as it is.
struct SettingsStatement {
    QString text;
    QStringList values;
};

// The five statements the program runs on its settings file.
namespace statements {

QString selectSettings();
// Main window position; left and top in twips.
SettingsStatement updatePosition(qint64 left, qint64 top);
// Compact toolbar position; left and top in twips.
SettingsStatement updateMiniPosition(qint64 left, qint64 top);
// Fixed capture size in pixels.
SettingsStatement updateFixedSize(qint64 width, qint64 height);
// Options window: start hidden, hide target, start face, shortcut flags (joined with 0x1F).
SettingsStatement updateOptions(const QString& iniMinimized, const QString& optTaskbar,
                                const QString& optMax, const QString& atalhos);

}  // namespace statements
