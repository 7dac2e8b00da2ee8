#pragma once

#include <QString>

// Loads the main window from the settings beside the program. Returns 0 when the program is
// up; 1 after telling the user (message box and stderr) why it cannot start.
int startProgram(const QString& programDir);
