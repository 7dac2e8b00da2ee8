#pragma once

#include <QString>

#include "platform/program_layout.h"
#include "settings/settings_row.h"
#include "settings/statements.h"

// The settings store: one SQLite file, beside the program or the user's own (settings_file.h).
// Each operation opens the file, runs one statement and closes it again.
class LC_Mod1_BD {
public:
    static constexpr const char* kFolder = "/BD/";
    static constexpr const char* kFileName = "SO_Config.mdb";

    // Builds dbPath for the program's layout, making the user's own file from the template
    // when the layout calls for one. Throws SettingsError when that file cannot be made.
    static void SetDatabasePath(const platform::ProgramLayout& layout);
    static QString dbPath();

    // Reads the settings row. Throws SettingsError naming the file and what is wrong.
    static SettingsRow readSettings();
    // Runs one UPDATE statement. Throws SettingsError when it fails or stores nothing.
    static void execute(const SettingsStatement& statement);

private:
    static QString& path();
};
