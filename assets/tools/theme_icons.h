#pragma once

#include <QString>

// Writes the program icon into an icon theme folder (hicolor layout): NxN/apps/<name>.png at the
// sizes desktops look for, and scalable/apps/<name>.svg. False after saying what failed.
bool writeThemeIcons(const QString& themeDir, const QString& name);
