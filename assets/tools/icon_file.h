#pragma once

#include <QImage>
#include <QList>
#include <QString>

// Writes a Windows icon file holding one 32-bit image per size (uncompressed, with its mask),
// readable by every icon loader.
bool writeIconFile(const QString& path, const QList<QImage>& images);
