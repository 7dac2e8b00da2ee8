#pragma once

#include <QString>

// The file name a picture is saved under: the chosen name when its last four characters are
// ".bmp" in any letter case, otherwise the chosen name with ".bmp" added (also after another
// extension: "foto.png" becomes "foto.png.bmp").
QString bmpFileName(const QString& chosen);

// The name the save dialog writes for the name typed into it, in the folder it shows: the
// typed name as it is, by the ".bmp" rule above. A name that cannot be taken literally as one
// file name there (empty, "." or "..", with "/" or a NUL character, too long, or not
// representable in the file system's encoding) gives an empty text and the reason, in
// Portuguese, in `refusal`.
QString bmpSaveName(const QString& typed, QString* refusal);
