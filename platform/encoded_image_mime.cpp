#include "platform/encoded_image_mime.h"

#include <QBuffer>
#include <QImageWriter>

#include "platform/memory_return.h"

namespace {

const QString kPng = QStringLiteral("image/png");
const QString kQtImage = QStringLiteral("application/x-qt-image");

}  // namespace

QByteArray clipboardPng(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    // Qt turns the PNG quality q into zlib level (100 - q) * 9 / 91: 80 is level 1, fast and
    // a small fraction of the raw size (90 would be level 0, no compression at all, and a
    // 4K capture would then cross the clipboard as 25 MB).
    writer.setQuality(80);
    writer.write(image);
    return bytes;
}

namespace {

// The encoder's working buffers are freed when it returns; what the C library kept of them in
// this thread's heap goes back at once.
QByteArray encodeAndGiveBack(const QImage& image) {
    QByteArray bytes = clipboardPng(image);
    platform::giveMemoryBack();
    return bytes;
}

}  // namespace

EncodedImageMime::EncodedImageMime(const QImage& image)
    : image_(image), png_(std::async(std::launch::async, encodeAndGiveBack, image).share()) {}

EncodedImageMime::~EncodedImageMime() {
    if (png_.valid()) {
        png_.wait();  // the worker holds a copy of the image; let it finish before we go
    }
    // The clipboard let go of the picture: its bytes, and what the heap kept of them, go back.
    png_ = {};
    image_ = QImage();
    platform::giveMemoryBack();
}

QStringList EncodedImageMime::formats() const {
    return {kQtImage, kPng};
}

bool EncodedImageMime::hasFormat(const QString& mimeType) const {
    return mimeType == kQtImage || mimeType == kPng;
}

QByteArray EncodedImageMime::png() const {
    return png_.get();
}

QVariant EncodedImageMime::retrieveData(const QString& mimeType, QMetaType type) const {
    if (mimeType == kPng) {
        return png();
    }
    if (mimeType == kQtImage) {
        return image_;
    }
    return QMimeData::retrieveData(mimeType, type);
}
