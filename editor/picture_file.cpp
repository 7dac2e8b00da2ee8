#include "editor/picture_file.h"

#include <QBuffer>
#include <QImageWriter>
#include <array>
#include <new>

#include "editor/bmp_file.h"
#include "platform/atomic_file.h"

namespace picture_file {

namespace {

constexpr std::array<TypeInfo, 3> kTypes{{
    {ImageType::Bmp, "Bitmap Files (*.bmp)", ".bmp"},
    {ImageType::Png, "PNG (*.png)", ".png"},
    {ImageType::Jpeg, "JPEG (*.jpg *.jpeg)", ".jpg"},
}};

constexpr int kJpegQuality = 90;  // text in screenshots stays sharp

bool fail(QString* reason, const QString& why) {
    if (reason) {
        *reason = why;
    }
    return false;
}

// The whole file in memory first: the atomic file reserves room for all of it at once.
bool encode(const QImage& picture, ImageType type, QByteArray& bytes, QString* reason) {
    const char* name = type == ImageType::Png ? "PNG" : "JPEG";
    try {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, type == ImageType::Png ? "png" : "jpeg");
        if (type == ImageType::Jpeg) {
            writer.setQuality(kJpegQuality);
        }
        if (!writer.write(picture)) {
            return fail(reason, QStringLiteral("não foi possível gerar o arquivo %1 (%2)")
                                    .arg(QLatin1String(name), writer.errorString()));
        }
    } catch (const std::bad_alloc&) {
        return fail(reason, QStringLiteral("não há memória suficiente para gerar o arquivo %1")
                                .arg(QLatin1String(name)));
    }
    return true;
}

}  // namespace

std::span<const TypeInfo> types() {
    return kTypes;
}

const TypeInfo& info(ImageType type) {
    for (const TypeInfo& t : kTypes) {
        if (t.type == type) {
            return t;
        }
    }
    return kTypes.front();
}

std::optional<ImageType> typeOfName(const QString& fileName) {
    const QString lower = fileName.toLower();
    if (lower.endsWith(QLatin1String(".bmp"))) {
        return ImageType::Bmp;
    }
    if (lower.endsWith(QLatin1String(".png"))) {
        return ImageType::Png;
    }
    if (lower.endsWith(QLatin1String(".jpg")) || lower.endsWith(QLatin1String(".jpeg"))) {
        return ImageType::Jpeg;
    }
    return std::nullopt;
}

bool save(const QImage& picture, const QString& path, ImageType type, QString* reason) {
    if (type == ImageType::Bmp) {
        return bmp_file::save(picture, path, reason);
    }
    if (picture.isNull()) {
        return fail(reason, QStringLiteral("a imagem está vazia"));
    }
    QByteArray bytes;
    if (!encode(picture, type, bytes, reason)) {
        return false;
    }
    const platform::AtomicFile::Chunk chunk{bytes.constData(),
                                            static_cast<std::size_t>(bytes.size())};
    platform::AtomicFile file(path);
    return file.open(reason) && file.write({&chunk, 1}, reason) && file.commit(reason);
}

bool save(const QImage& picture, const QString& path, QString* reason) {
    return save(picture, path, typeOfName(path).value_or(ImageType::Bmp), reason);
}

}  // namespace picture_file
