#pragma once

#include <QString>

namespace platform {

// The program's folder: where the executable lies, with BD/, IMG/, img/ and ReadMe/ beside it.
QString programDir();
// Sets it for this run (the start-up does, and tests point it at a private folder).
void setProgramDir(const QString& dir);

}  // namespace platform
