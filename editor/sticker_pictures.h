#pragma once

#include <QImage>
#include <QString>

// The sticker pictures: nine GIF files in IMG/ beside the program, and a built-in stand-by
// picture for a file that is missing or cannot be read.
namespace sticker_pictures {

constexpr int kStickerCount = 9;

// "icone-01.gif" ... "icone-09.gif" for 1 ... 9.
QString fileName(int number);

// The built-in 22 x 22 stand-by picture.
QImage iconDefault();

// The picture of `fileName` in the IMG folder of `programDir`; the stand-by picture when the
// file does not exist, is not a regular file, or is not a picture Qt can read.
QImage load(const QString& programDir, const QString& fileName);

}  // namespace sticker_pictures
