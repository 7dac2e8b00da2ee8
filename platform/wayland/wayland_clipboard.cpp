#include "platform/wayland/wayland_clipboard.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <memory>

#include "platform/clipboard_helper.h"
#include "platform/encoded_image_mime.h"
#include "platform/wayland/desktop_portal.h"

namespace platform::wayland {

bool putImageOnClipboard(const QImage& image, QString* error) {
    QString reason;
    // A whole screen as the portal gave it goes as the portal's own file: nothing to encode.
    QByteArray png = portalPng(image);
    if (png.isEmpty()) {
        png = clipboardPng(image);
    }
    if (startClipboardHelper(
            QCoreApplication::applicationDirPath() + QStringLiteral("/lumacap-wayland-clipboard"),
            png, &reason)) {
        return true;
    }
    // The desktop takes the picture from Qt only while a window of this program has the focus.
    if (!QGuiApplication::focusWindow()) {
        if (error) {
            *error = QStringLiteral(
                         "a área de trabalho só aceita a imagem de uma janela em foco, e nenhuma "
                         "janela do Lumacap tem o foco agora (%1)")
                         .arg(reason);
        }
        return false;
    }
    QGuiApplication::clipboard()->setMimeData(
        std::make_unique<EncodedImageMime>(image).release());  // owned by Qt
    return true;
}

}  // namespace platform::wayland
