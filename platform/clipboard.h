#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace platform {

// Empties the clipboard and puts `image` on it. The PNG that other programs ask for is encoded
// once, in the background, and every request is served from those bytes. Returns false with the
// reason when the picture could not be placed.
bool realPutImageOnClipboard(const QImage& image, QString* error);

// The PNG of the picture this program put on the clipboard, while the clipboard is still its
// own; empty otherwise.
QByteArray ownClipboardPng();

}  // namespace platform
