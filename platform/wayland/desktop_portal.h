#pragma once

#include <QObject>
#include <functional>

#include "platform/services.h"

namespace platform::wayland {

// Takes a picture of the whole desktop through the Screenshot portal and calls `done` with it
// (device pixels of the virtual desktop), or with why there is none; nothing is called once
// `context` is gone. The portal's file is read, and removed when it lies in a temporary folder.
void takeDesktopShot(QObject* context, std::function<void(const DesktopShot&)> done);

// The PNG file the portal gave for `picture`, while `picture` is that file's picture as it was
// read, unchanged (a whole screen as the desktop drew it): the clipboard can offer the file
// itself instead of encoding the picture again. Empty otherwise.
QByteArray portalPng(const QImage& picture);

}  // namespace platform::wayland
