#pragma once

#include <QString>

// The five statements the program runs on its settings file, as exact texts.
namespace statements {

QString selectSettings();
// Main window position; left and top in twips.
QString updatePosition(qint64 left, qint64 top);
// Compact toolbar position; left and top in twips.
QString updateMiniPosition(qint64 left, qint64 top);
// Fixed capture size in pixels.
QString updateFixedSize(qint64 width, qint64 height);
// Options window: start hidden, hide target, start face, shortcut flags (joined with 0x1F).
QString updateOptions(const QString& iniMinimized, const QString& optTaskbar, const QString& optMax,
                      const QString& atalhos);

}  // namespace statements
