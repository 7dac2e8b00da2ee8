#pragma once

#include <QString>
#include <array>
#include <optional>

#include "settings/settings_row.h"

// The settings row read as the start-up needs it, checked. A value that cannot be used is an
// error that names the file and the field, never a guess.
struct StartupValues {
    std::array<QString, 3> shortcuts;  // desktop, start menu, start-up folder
    int optMax = 1;
    int iniMinimized = 0;
    std::optional<int> left;  // twips; empty means centred
    std::optional<int> top;
    int miniLeft = 0;  // twips; 0 (or empty) means centred
    int miniTop = 0;
};

// Throws SettingsError.
StartupValues parseStartupValues(const SettingsRow& row, const QString& dbPath);

// The shortcut flags joined as stored: three flags separated by the character 31.
QString joinShortcutFlags(const QString& desktop, const QString& menu, const QString& startup);
