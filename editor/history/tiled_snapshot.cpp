#include "editor/history/tiled_snapshot.h"

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

const uchar* TiledSnapshot::tileLine(const Tile& t, const QRect& r, int y) const {
    if (t.isNull()) {
        return whole_.constScanLine(r.y() + y) + r.x() * bytesPerPixel_;
    }
    return reinterpret_cast<const uchar*>(t.constData()) +
           static_cast<std::size_t>(y) * r.width() * bytesPerPixel_;
}

bool TiledSnapshot::tileEquals(const Tile& t, const QImage& image, const QRect& r) const {
    const std::size_t rowBytes = static_cast<std::size_t>(r.width()) * bytesPerPixel_;
    for (int y = 0; y < r.height(); ++y) {
        const uchar* line = image.constScanLine(r.y() + y) + r.x() * bytesPerPixel_;
        if (std::memcmp(line, tileLine(t, r, y), rowBytes) != 0) {
            return false;
        }
    }
    return true;
}

const void* TiledSnapshot::tileData(int i) const {
    const Tile& t = tiles_.at(static_cast<std::size_t>(i));
    if (!t.isNull()) {
        return t.constData();
    }
    const Grid g = grid();
    return tileLine(t, tileRect(i % g.columns, i / g.columns), 0);
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
    if (!comparable) {
        // Nothing to share with: keep the picture's own buffer.
        s.whole_ = image;
        s.tiles_.resize(static_cast<std::size_t>(g.columns) * g.rows);
        return s;
    }
    s.whole_ = base->whole_;
    bool usesWhole = false;
    const Grid bg = base->grid();
    for (int row = 0; row < g.rows; ++row) {
        for (int column = 0; column < g.columns; ++column) {
            const QRect r = s.tileRect(column, row);
            if (column < bg.columns && row < bg.rows && base->tileRect(column, row) == r) {
                const Tile& old = base->tiles_[static_cast<std::size_t>(row) * bg.columns + column];
                // A tile of the base's whole picture lies at the same place in this one's.
                if (base->tileEquals(old, image, r)) {
                    usesWhole = usesWhole || old.isNull();
                    s.tiles_.push_back(old);
                    continue;
                }
            }
            const std::size_t rowBytes = static_cast<std::size_t>(r.width()) * s.bytesPerPixel_;
            QByteArray bytes(static_cast<qsizetype>(rowBytes * r.height()), Qt::Uninitialized);
            char* out = bytes.data();
            for (int y = 0; y < r.height(); ++y, out += rowBytes) {
                std::memcpy(out, image.constScanLine(r.y() + y) + r.x() * s.bytesPerPixel_,
                            rowBytes);
            }
            s.tiles_.push_back(std::move(bytes));
        }
    }
    if (!usesWhole) {
        s.whole_ = QImage();  // no tile lies in it: do not keep it alive
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
            const Tile& t = tiles_[static_cast<std::size_t>(row) * g.columns + column];
            const std::size_t rowBytes = static_cast<std::size_t>(r.width()) * bytesPerPixel_;
            for (int y = 0; y < r.height(); ++y) {
                std::memcpy(image.scanLine(r.y() + y) + r.x() * bytesPerPixel_, tileLine(t, r, y),
                            rowBytes);
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

std::size_t TiledSnapshot::bytesHeld(const std::vector<const TiledSnapshot*>& snapshots) {
    std::unordered_set<const void*> seen;
    std::size_t bytes = 0;
    for (const TiledSnapshot* s : snapshots) {
        if (!s) {
            continue;
        }
        bytes += s->tiles_.size() * sizeof(Tile);
        if (!s->whole_.isNull() && seen.insert(s->whole_.constBits()).second) {
            bytes += static_cast<std::size_t>(s->whole_.sizeInBytes());
        }
        for (const Tile& t : s->tiles_) {
            if (!t.isNull() && seen.insert(t.constData()).second) {
                bytes += static_cast<std::size_t>(t.size());
            }
        }
    }
    return bytes;
}
