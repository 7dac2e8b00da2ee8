#pragma once

#include <QString>

#include "platform/program_layout.h"

// Which settings file a run uses.
namespace settings_file {

// The file for this run. In the portable layout, while this user may write its BD folder: the
// file beside the program, as it is. Otherwise (a system install, or a portable folder the user
// cannot write) the user's own file, $XDG_CONFIG_HOME/lumacap/BD/SO_Config.mdb, copied from the
// one beside the program the first time and never replaced after. Throws SettingsError naming
// the path and the reason when that copy cannot be made.
QString forRun(const platform::ProgramLayout& layout);

}  // namespace settings_file
