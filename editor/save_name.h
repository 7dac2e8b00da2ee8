#pragma once

#include <QString>

// The file name a picture is saved under: the chosen name when its last four characters are
// ".bmp" in any letter case, otherwise the chosen name with ".bmp" added (also after another
// extension: "foto.png" becomes "foto.png.bmp").
QString bmpFileName(const QString& chosen);
