#pragma once

#include <QString>

#include "settings/settings_row.h"
#include "settings/statements.h"

// The settings store: one SQLite file beside the program. Each operation opens the file, runs
// one statement and closes it again.
class LC_Mod1_BD {
public:
    static constexpr const char* kFolder = "/BD/";
    static constexpr const char* kFileName = "SO_Config.mdb";

    // Builds dbPath from the program's folder.
    static void SetDatabasePath(const QString& programDir);
    static QString dbPath();

    // Reads the settings row. Throws SettingsError naming the file and what is wrong.
    static SettingsRow readSettings();
    // Runs one UPDATE statement. Throws SettingsError when it fails or stores nothing.
    static void execute(const SettingsStatement& statement);

private:
    static QString& path();
};
