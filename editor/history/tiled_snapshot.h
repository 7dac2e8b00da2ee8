#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <cstddef>
#include <vector>

// A copy of a picture kept as square tiles. A copy taken against an earlier one shares every
// tile whose pixels did not change, so a history of many pictures that differ by a few strokes
// holds each changed tile once instead of whole pictures.
//
// A copy taken without an earlier one shares the picture's own pixel buffer (Qt's implicit
// sharing: drawing on the picture afterwards gives the picture a buffer of its own and leaves
// this one as it was), so it costs no copying.
class TiledSnapshot {
public:
    static constexpr int kTile = 64;  // pixels a side

    TiledSnapshot() = default;

    // Copies `image`. Tiles whose pixels equal those of `base` at the same place and size are
    // shared with `base` rather than copied.
    static TiledSnapshot take(const QImage& image, const TiledSnapshot* base = nullptr);

    bool isNull() const { return tiles_.empty(); }
    QSize size() const { return size_; }
    QImage::Format format() const { return format_; }

    // The picture again.
    QImage toImage() const;
    // Writes the picture into `image` in place; false (and nothing written) unless `image` has
    // this snapshot's size and format.
    bool writeInto(QImage& image) const;
    // Whether `image` holds exactly this picture.
    bool matches(const QImage& image) const;

    int tileCount() const { return static_cast<int>(tiles_.size()); }
    // Where tile `i` keeps its pixels: equal for two snapshots that share the tile.
    const void* tileData(int i) const;

    // Bytes held by a set of snapshots, each shared buffer counted once.
    static std::size_t bytesHeld(const std::vector<const TiledSnapshot*>& snapshots);

private:
    // A tile's own pixels; a null tile lies in whole_ instead.
    using Tile = QByteArray;
    struct Grid {
        int columns = 0;
        int rows = 0;
    };
    Grid grid() const;
    QRect tileRect(int column, int row) const;
    const uchar* tileLine(const Tile& t, const QRect& r, int y) const;
    bool tileEquals(const Tile& t, const QImage& image, const QRect& r) const;

    QSize size_;
    QImage::Format format_ = QImage::Format_Invalid;
    int bytesPerPixel_ = 0;
    QImage whole_;  // the picture buffer shared with the picture the chain started from
    std::vector<Tile> tiles_;
};
