#pragma once

#include <QImage>
#include <QString>

// A capture saved straight to a file: a Windows bitmap, or PNG or JPEG when the file's name
// ends so (.png; .jpg or .jpeg; any case). Written through a temporary file that takes the name
// only when complete. False with the reason in Portuguese.
namespace picture_file {
bool save(const QImage& picture, const QString& path, QString* reason);
}
