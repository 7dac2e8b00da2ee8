#pragma once

#include <QImage>
#include <QString>
#include <optional>
#include <span>

// The picture files the program writes: the editor's save and the command line's --output write
// through these functions, BMP, PNG or JPEG.
namespace picture_file {

enum class ImageType { Bmp, Png, Jpeg };

struct TypeInfo {
    ImageType type;
    const char* filter;     // as the save dialog lists it
    const char* extension;  // the one added to a name without it
};

// BMP (the default), PNG and JPEG, in the save dialog's order.
std::span<const TypeInfo> types();
const TypeInfo& info(ImageType type);

// The type a file name's extension names, in any letter case: ".bmp", ".png", ".jpg" or
// ".jpeg"; nothing for any other name.
std::optional<ImageType> typeOfName(const QString& fileName);

// Writes `picture` to `path` as a file of `type` through a temporary file that takes the name
// only when it is complete and on the disk (an existing file stays as it was on failure). BMP
// is written by bmp_file; PNG as Qt writes it by default; JPEG at quality 90. False with the
// reason in Portuguese.
bool save(const QImage& picture, const QString& path, ImageType type, QString* reason);
// The same, of the type the name's extension names; BMP for any other name.
bool save(const QImage& picture, const QString& path, QString* reason);

}  // namespace picture_file
