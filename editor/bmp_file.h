#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Windows bitmap files of the canvas: 32 bits per pixel (blue, green, red, and an unused byte
// set to 255), rows from the bottom up, no compression.
namespace bmp_file {

constexpr int kHeaderBytes = 54;

// The file and info headers for a picture of that size; empty when the file would pass the
// format's 4 GB limit.
QByteArray header(int width, int height);

// Writes `picture` to `path` through a temporary file that replaces `path` only when it is
// complete (an existing file stays as it was on failure). False with the reason in Portuguese.
bool save(const QImage& picture, const QString& path, QString* reason);

}  // namespace bmp_file
