#include "editor/bmp_file.h"

#include <QtEndian>
#include <cstdint>
#include <vector>

#include "platform/atomic_file.h"

namespace bmp_file {

namespace {

constexpr std::uint32_t kPixelsPerMetre = 3780;  // 96 dots per inch

void put16(char*& p, std::uint16_t v) {
    qToLittleEndian(v, p);
    p += 2;
}
void put32(char*& p, std::uint32_t v) {
    qToLittleEndian(v, p);
    p += 4;
}

}  // namespace

QByteArray header(int width, int height) {
    const quint64 pixelBytes = quint64(width) * quint64(height) * 4;
    if (width <= 0 || height <= 0 || pixelBytes + kHeaderBytes > 0xffffffffull) {
        return {};
    }
    QByteArray bytes(kHeaderBytes, '\0');
    char* p = bytes.data();
    *p++ = 'B';
    *p++ = 'M';
    put32(p, static_cast<std::uint32_t>(pixelBytes + kHeaderBytes));  // file size
    put32(p, 0);                                                      // reserved
    put32(p, kHeaderBytes);                                           // offset of the pixels
    put32(p, 40);                                                     // info header size
    put32(p, static_cast<std::uint32_t>(width));
    put32(p, static_cast<std::uint32_t>(height));  // positive: bottom-up rows
    put16(p, 1);                                   // planes
    put16(p, 32);                                  // bits per pixel
    put32(p, 0);                                   // no compression
    put32(p, static_cast<std::uint32_t>(pixelBytes));
    put32(p, kPixelsPerMetre);
    put32(p, kPixelsPerMetre);
    put32(p, 0);  // colours used
    put32(p, 0);  // important colours
    return bytes;
}

bool save(const QImage& picture, const QString& path, QString* reason) {
    auto fail = [reason](const QString& why) {
        if (reason) {
            *reason = why;
        }
        return false;
    };
    if (picture.isNull()) {
        return fail(QStringLiteral("a imagem está vazia"));
    }
    const QByteArray head = header(picture.width(), picture.height());
    if (head.isEmpty()) {
        return fail(QStringLiteral("a imagem de %1 x %2 pixels passa do limite de 4 GB de um "
                                   "arquivo BMP")
                        .arg(picture.width())
                        .arg(picture.height()));
    }
    // The canvas is 32-bit with the fourth byte at 255, which is the file's own pixel layout on
    // a little-endian machine: the rows go out as they are, bottom row first.
    QImage pixels = picture;
    if (pixels.format() != QImage::Format_RGB32 || QSysInfo::ByteOrder != QSysInfo::LittleEndian) {
        pixels = picture.convertToFormat(QImage::Format_RGB32);
    }
    if (QSysInfo::ByteOrder != QSysInfo::LittleEndian) {
        for (int y = 0; y < pixels.height(); ++y) {
            auto* line = reinterpret_cast<std::uint32_t*>(pixels.scanLine(y));
            for (int x = 0; x < pixels.width(); ++x) {
                line[x] = qToLittleEndian(line[x]);
            }
        }
    }
    const std::size_t rowBytes = static_cast<std::size_t>(pixels.width()) * 4;
    std::vector<platform::AtomicFile::Chunk> chunks;
    chunks.reserve(static_cast<std::size_t>(pixels.height()) + 1);
    chunks.push_back({head.constData(), static_cast<std::size_t>(head.size())});
    for (int y = pixels.height() - 1; y >= 0; --y) {
        chunks.push_back({pixels.constScanLine(y), rowBytes});
    }
    platform::AtomicFile file(path);
    return file.open(reason) && file.write(chunks, reason) && file.commit(reason);
}

}  // namespace bmp_file
