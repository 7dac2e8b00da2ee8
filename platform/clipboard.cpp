#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <memory>

#include "platform/encoded_image_mime.h"
#include "platform/wayland/wayland_clipboard.h"
#include "platform/wayland/wayland_session.h"

namespace platform {

bool realPutImageOnClipboard(const QImage& image, QString* error) {
    auto fail = [error](const QString& reason) {
        if (error) {
            *error = reason;
        }
        return false;
    };
    if (image.isNull()) {
        return fail(QStringLiteral("a imagem está vazia"));
    }
    if (wayland::nativeSession()) {
        return wayland::putImageOnClipboard(image, error);
    }
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) {
        return fail(QStringLiteral("a área de transferência não está disponível"));
    }
    clipboard->clear();
    clipboard->setMimeData(std::make_unique<EncodedImageMime>(image).release());  // owned by Qt
    if (!clipboard->ownsClipboard()) {
        return fail(QStringLiteral("outro programa não deixou a área de transferência ser usada"));
    }
    return true;
}

QByteArray ownClipboardPng() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard || !clipboard->ownsClipboard()) {
        return {};
    }
    const auto* picture = qobject_cast<const EncodedImageMime*>(clipboard->mimeData());
    return picture ? picture->png() : QByteArray();
}

}  // namespace platform
