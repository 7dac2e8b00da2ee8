#include "editor/picture_file.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <array>

#include "editor/bmp_file.h"
#include "platform/atomic_file.h"

namespace picture_file {

bool save(const QImage& picture, const QString& path, QString* reason) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    const char* format = suffix == QLatin1String("png") ? "png"
                         : suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg")
                             ? "jpeg"
                             : nullptr;
    if (!format) {
        return bmp_file::save(picture, path, reason);
    }
    if (picture.isNull()) {
        *reason = QStringLiteral("a imagem está vazia");
        return false;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (qstrcmp(format, "jpeg") == 0) {
        writer.setQuality(90);
    }
    if (!writer.write(picture)) {
        *reason = QStringLiteral("a imagem não pôde ser codificada (%1)").arg(writer.errorString());
        return false;
    }
    const std::array chunks{
        platform::AtomicFile::Chunk{bytes.constData(), static_cast<std::size_t>(bytes.size())}};
    platform::AtomicFile file(path);
    return file.open(reason) && file.write(chunks, reason) && file.commit(reason);
}

}  // namespace picture_file
