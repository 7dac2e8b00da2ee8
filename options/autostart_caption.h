#pragma once

#include <QtGlobal>

// The caption of the box that starts the program with the system names that system: the
// original on Windows, the plain words elsewhere. The one place it is chosen.
#if defined(Q_OS_WIN)
inline constexpr char kAutostartCaption[] = "Iniciar com Windows";
#else
inline constexpr char kAutostartCaption[] = "Iniciar com o sistema";
#endif
