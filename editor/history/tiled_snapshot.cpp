#include "editor/history/tiled_snapshot.h"

#include <cstring>
#include <new>
#include <unordered_set>

namespace {

// Tiles are cut at whole bytes; pictures with a colour table or sub-byte pixels are widened.
QImage tileable(const QImage& image) {
    if (image.colorCount() > 0 || image.depth() % 8 != 0) {
        QImage wide = image.convertToFormat(QImage::Format_ARGB32);
        if (wide.isNull()) {
            throw std::bad_alloc();
        }
        return wide;
    }
    return image;
}

}  // namespace

std::size_t TiledSnapshot::rowBytes(int column) const {
    return static_cast<std::size_t>(tileWidth(column)) * bytesPerPixel_;
}

const uchar* TiledSnapshot::tileLine(const Strip& s, int column, int y) const {
    return reinterpret_cast<const uchar*>(s.tiles[static_cast<std::size_t>(column)].constData()) +
           static_cast<std::size_t>(y) * rowBytes(column);
}

bool TiledSnapshot::tileEquals(const Strip& s, int column, const QImage& image, int top) const {
    const std::size_t bytes = rowBytes(column);
    const std::size_t left = static_cast<std::size_t>(column) * kTile * bytesPerPixel_;
    for (int y = 0; y < s.height; ++y) {
        if (std::memcmp(image.constScanLine(top + y) + left, tileLine(s, column, y), bytes) != 0) {
            return false;
        }
    }
    return true;
}

TiledSnapshot::Tile TiledSnapshot::copyTile(const QImage& image, int top, int height,
                                            int column) const {
    const std::size_t bytes = rowBytes(column);
    const std::size_t left = static_cast<std::size_t>(column) * kTile * bytesPerPixel_;
    Tile tile(static_cast<qsizetype>(bytes * height), Qt::Uninitialized);
    if (tile.constData() == nullptr) {
        throw std::bad_alloc();
    }
    char* out = tile.data();
    for (int y = 0; y < height; ++y, out += bytes) {
        std::memcpy(out, image.constScanLine(top + y) + left, bytes);
    }
    return tile;
}

void TiledSnapshot::addStrips(const QImage& image, int from, int to) {
    for (int top = from; top < to; top += kTile) {
        Strip s{top, std::min(kTile, to - top), {}};
        s.tiles.reserve(static_cast<std::size_t>(columns()));
        for (int column = 0; column < columns(); ++column) {
            s.tiles.push_back(copyTile(image, s.top, s.height, column));
        }
        strips_.push_back(std::move(s));
    }
}

int TiledSnapshot::matchingTiles(const QImage& image, int offset, int samples) const {
    int matching = 0;
    const int n = static_cast<int>(strips_.size());
    for (int k = 0; k < samples; ++k) {
        const Strip& s =
            strips_[static_cast<std::size_t>(samples > 1 ? k * (n - 1) / (samples - 1) : 0)];
        if (s.top + offset + s.height > image.height()) {
            continue;
        }
        for (int column = 0; column < columns(); ++column) {
            matching += tileEquals(s, column, image, s.top + offset);
        }
    }
    return matching;
}

int TiledSnapshot::chooseOffset(const TiledSnapshot& base, const QImage& image) const {
    // A taller picture holds the earlier one either at the top (space added below) or moved
    // down by the growth (space added above). A few strips of each way tell which.
    const int growth = size_.height() - base.size_.height();
    if (growth <= 0) {
        return 0;
    }
    const int samples = std::min<int>(3, static_cast<int>(base.strips_.size()));
    return base.matchingTiles(image, growth, samples) > base.matchingTiles(image, 0, samples)
               ? growth
               : 0;
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
    const int height = s.size_.height();
    const bool comparable = base && !base->isNull() && base->format_ == s.format_ &&
                            base->size_.width() == s.size_.width();
    if (!comparable) {
        s.addStrips(image, 0, height);
        return s;
    }
    // The rows above the earlier picture, its strips where they now lie, then the rows below.
    const int offset = s.chooseOffset(*base, image);
    s.addStrips(image, 0, std::min(offset, height));
    for (const Strip& old : base->strips_) {
        const int top = old.top + offset;
        if (top >= height) {
            break;
        }
        Strip now{top, std::min(old.height, height - top), {}};
        now.tiles.reserve(old.tiles.size());
        for (int column = 0; column < s.columns(); ++column) {
            if (now.height == old.height && base->tileEquals(old, column, image, top)) {
                now.tiles.push_back(old.tiles[static_cast<std::size_t>(column)]);
            } else {
                now.tiles.push_back(s.copyTile(image, top, now.height, column));
            }
        }
        s.strips_.push_back(std::move(now));
    }
    s.addStrips(image, std::min(height, offset + base->size_.height()), height);
    return s;
}

bool TiledSnapshot::writeOverlapInto(QImage& image) const {
    if (isNull() || image.format() != format_) {
        return false;
    }
    for (const Strip& s : strips_) {
        const int rows = std::min(s.height, image.height() - s.top);
        for (int column = 0; column < columns() && column * kTile < image.width(); ++column) {
            const std::size_t left = static_cast<std::size_t>(column) * kTile * bytesPerPixel_;
            const std::size_t bytes =
                std::min(rowBytes(column),
                         static_cast<std::size_t>(image.width() - column * kTile) * bytesPerPixel_);
            for (int y = 0; y < rows; ++y) {
                std::memcpy(image.scanLine(s.top + y) + left, tileLine(s, column, y), bytes);
            }
        }
    }
    return true;
}

bool TiledSnapshot::writeInto(QImage& image) const {
    return image.size() == size_ && writeOverlapInto(image);
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
    for (const Strip& s : strips_) {
        for (int column = 0; column < columns(); ++column) {
            if (!tileEquals(s, column, image, s.top)) {
                return false;
            }
        }
    }
    return true;
}

int TiledSnapshot::tileCount() const {
    return static_cast<int>(strips_.size()) * columns();
}

const void* TiledSnapshot::tileData(int i) const {
    const Strip& s = strips_.at(static_cast<std::size_t>(i / columns()));
    return s.tiles.at(static_cast<std::size_t>(i % columns())).constData();
}

std::size_t TiledSnapshot::bytesHeld(const std::vector<const TiledSnapshot*>& snapshots) {
    std::unordered_set<const void*> seen;
    std::size_t bytes = 0;
    for (const TiledSnapshot* s : snapshots) {
        if (!s) {
            continue;
        }
        for (const Strip& strip : s->strips_) {
            bytes += strip.tiles.size() * sizeof(Tile);
            for (const Tile& t : strip.tiles) {
                if (seen.insert(t.constData()).second) {
                    bytes += static_cast<std::size_t>(t.size());
                }
            }
        }
    }
    return bytes;
}
