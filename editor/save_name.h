#pragma once

#include <QString>

#include "editor/picture_file.h"

// The file name a picture of `type` is saved under: the chosen name when it already ends in
// one of the type's extensions in any letter case (".bmp"; ".png"; ".jpg" or ".jpeg"),
// otherwise the chosen name with the type's extension added (also after another extension:
// "foto.png" saved as BMP becomes "foto.png.bmp").
QString fileNameFor(const QString& chosen, picture_file::ImageType type);

// The name the save dialog writes for the name typed into it, in the folder it shows: the
// typed name as it is, by the rule above. A name that cannot be taken literally as one file
// name there (empty, "." or "..", with "/" or a NUL character, too long, or not representable
// in the file system's encoding) gives an empty text and the reason, in Portuguese, in
// `refusal`.
QString saveName(const QString& typed, picture_file::ImageType type, QString* refusal);
