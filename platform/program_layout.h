#pragma once

#include <QString>

namespace platform {

// Where the program's parts lie. Two layouts:
// - portable (the folder ./run.sh fills, which its user owns): `Lumacap`, `lumacap-gui`,
//   `lumacap-clipboard` and the data folders BD/, IMG/, img/, ReadMe/ side by side;
// - system (the Debian package): the command `lumacap` in <prefix>/bin, the programs in
//   <prefix>/lib/lumacap and the data in <prefix>/share/lumacap, where no user writes.
struct ProgramLayout {
    QString dataDir;       // BD/ (the settings file or its template), IMG/, img/, ReadMe/
    QString command;       // what users start, and what shortcuts point at
    QString shortcutIcon;  // the shortcuts' icon: a file, or the name of a theme icon
    bool system = false;   // the settings are each user's own
};

// The layout around the folder of the programs (the folder of `lumacap-gui`).
ProgramLayout layoutAround(const QString& programsDir);

}  // namespace platform
