#pragma once

#include <QString>

// Loads the main window from the settings of the program whose programs lie in `programsDir`
// (beside it, or the user's own in a system install). Returns 0 when the program is up; 1
// after telling the user (message box and stderr) why it cannot start.
int startProgram(const QString& programsDir);
