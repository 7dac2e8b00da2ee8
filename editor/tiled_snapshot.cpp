#include "editor/tiled_snapshot.h"

#include <cstring>
#include <unordered_set>

namespace {

// Tiles are cut at whole bytes; pictures with a colour table or sub-byte pixels are widened.
QImage tileable(const QImage& image) {
    if (image.colorCount() > 0 || image.depth() % 8 != 0) {
        return image.convertToFormat(QImage::Format_ARGB32);
    }
    return image;
}

}  // namespace

TiledSnapshot::Grid TiledSnapshot::grid() const {
    return {(size_.width() + kTile - 1) / kTile, (size_.height() + kTile - 1) / kTile};
}

QRect TiledSnapshot::tileRect(int column, int row) const {
    const int x = column * kTile;
    const int y = row * kTile;
    return {x, y, std::min(kTile, size_.width() - x), std::min(kTile, size_.height() - y)};
}

bool TiledSnapshot::tileEquals(const QByteArray& tile, const QImage& image, const QRect& r) const {
    const std::size_t rowBytes = static_cast<std::size_t>(r.width()) * bytesPerPixel_;
    const char* stored = tile.constData();
    for (int y = 0; y < r.height(); ++y, stored += rowBytes) {
        const uchar* line = image.constScanLine(r.y() + y) + r.x() * bytesPerPixel_;
        if (std::memcmp(line, stored, rowBytes) != 0) {
            return false;
        }
    }
    return true;
}

TiledSnapshot TiledSnapshot::take(const QImage& source, const TiledSnapshot* base) {
    TiledSnapshot s;
    if (source.isNull()) {
        return s;
    }
    const QImage image = tileable(source);
    s.size_ = image.size();
    s.format_ = image.format();
    s.bytesPerPixel_ = image.depth() / 8;
    const Grid g = s.grid();
    s.tiles_.reserve(static_cast<std::size_t>(g.columns) * g.rows);

    const bool comparable = base && !base->isNull() && base->format_ == s.format_;
    const Grid bg = comparable ? base->grid() : Grid{};
    for (int row = 0; row < g.rows; ++row) {
        for (int column = 0; column < g.columns; ++column) {
            const QRect r = s.tileRect(column, row);
            if (comparable && column < bg.columns && row < bg.rows &&
                base->tileRect(column, row) == r) {
                const QByteArray& old =
                    base->tiles_[static_cast<std::size_t>(row) * bg.columns + column];
                if (s.tileEquals(old, image, r)) {
                    s.tiles_.push_back(old);
                    continue;
                }
            }
            const std::size_t rowBytes = static_cast<std::size_t>(r.width()) * s.bytesPerPixel_;
            QByteArray tile(static_cast<qsizetype>(rowBytes * r.height()), Qt::Uninitialized);
            char* out = tile.data();
            for (int y = 0; y < r.height(); ++y, out += rowBytes) {
                std::memcpy(out, image.constScanLine(r.y() + y) + r.x() * s.bytesPerPixel_,
                            rowBytes);
            }
            s.tiles_.push_back(std::move(tile));
        }
    }
    return s;
}

bool TiledSnapshot::writeInto(QImage& image) const {
    if (isNull() || image.size() != size_ || image.format() != format_) {
        return false;
    }
    const Grid g = grid();
    for (int row = 0; row < g.rows; ++row) {
        for (int column = 0; column < g.columns; ++column) {
            const QRect r = tileRect(column, row);
            const std::size_t rowBytes = static_cast<std::size_t>(r.width()) * bytesPerPixel_;
            const char* in = tiles_[static_cast<std::size_t>(row) * g.columns + column].constData();
            for (int y = 0; y < r.height(); ++y, in += rowBytes) {
                std::memcpy(image.scanLine(r.y() + y) + r.x() * bytesPerPixel_, in, rowBytes);
            }
        }
    }
    return true;
}

QImage TiledSnapshot::toImage() const {
    if (isNull()) {
        return {};
    }
    QImage image(size_, format_);
    if (image.isNull()) {
        return image;  // out of memory: the caller sees a null picture
    }
    writeInto(image);
    return image;
}

bool TiledSnapshot::matches(const QImage& source) const {
    if (isNull() || source.isNull()) {
        return isNull() && source.isNull();
    }
    const QImage image = tileable(source);
    if (image.size() != size_ || image.format() != format_) {
        return false;
    }
    const Grid g = grid();
    for (int row = 0; row < g.rows; ++row) {
        for (int column = 0; column < g.columns; ++column) {
            if (!tileEquals(tiles_[static_cast<std::size_t>(row) * g.columns + column], image,
                            tileRect(column, row))) {
                return false;
            }
        }
    }
    return true;
}

std::size_t bytesHeld(const std::vector<const TiledSnapshot*>& snapshots) {
    std::unordered_set<const char*> seen;
    std::size_t bytes = 0;
    for (const TiledSnapshot* s : snapshots) {
        if (!s) {
            continue;
        }
        bytes += s->tiles().size() * sizeof(QByteArray);
        for (const QByteArray& tile : s->tiles()) {
            if (seen.insert(tile.constData()).second) {
                bytes += static_cast<std::size_t>(tile.size());
            }
        }
    }
    return bytes;
}
