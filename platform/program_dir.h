#pragma once

#include <QString>

#include "platform/program_layout.h"

namespace platform {

// This run's layout. Until the start-up sets it: the layout around the executable's folder.
const ProgramLayout& programLayout();
// Sets it for this run (the start-up does, and tests point it at a private folder).
void setProgramLayout(const ProgramLayout& layout);

// The folder of the program's data: BD/, IMG/, img/ and ReadMe/ (the program's own folder in
// the portable layout).
QString programDir();

}  // namespace platform
