#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <cstddef>
#include <vector>

// A copy of a picture kept as tiles, 64 pixels wide, laid out in strips of rows. A copy taken
// against an earlier one shares every tile whose pixels did not change, so a history of many
// pictures that differ by a few strokes holds each changed tile once instead of whole pictures.
//
// A copy taken against an earlier one inherits its strips. When the picture is taller than the
// earlier one, its old rows may lie lower (space added on top): the strips are then matched at
// that offset, so the old tiles are still shared and only the new rows are copied.
//
// A copy never shares the picture's own buffer: drawing on the picture afterwards needs no
// copy of it, which could fail for want of memory half way through an edit.
class TiledSnapshot {
public:
    static constexpr int kTile = 64;  // pixels a side of a whole tile

    TiledSnapshot() = default;

    // Copies `image`. Tiles whose pixels equal those of `base` (at the same place, or all moved
    // down by the picture's growth) are shared with `base` rather than copied. Throws
    // std::bad_alloc when memory runs out; nothing is kept then.
    static TiledSnapshot take(const QImage& image, const TiledSnapshot* base = nullptr);

    bool isNull() const { return strips_.empty(); }
    QSize size() const { return size_; }
    QImage::Format format() const { return format_; }

    // The picture again; a null picture when memory runs out.
    QImage toImage() const;
    // Writes the picture into `image` in place; false (and nothing written) unless `image` has
    // this snapshot's size and format.
    bool writeInto(QImage& image) const;
    // Writes the part of the picture that overlaps `image`, both from the top left corner;
    // false (and nothing written) unless the formats agree.
    bool writeOverlapInto(QImage& image) const;
    // Whether `image` holds exactly this picture.
    bool matches(const QImage& image) const;

    int tileCount() const;
    // Where tile `i` (strip by strip, left to right) keeps its pixels: equal for two snapshots
    // that share the tile.
    const void* tileData(int i) const;

    // Bytes held by a set of snapshots, each shared tile counted once.
    static std::size_t bytesHeld(const std::vector<const TiledSnapshot*>& snapshots);

private:
    using Tile = QByteArray;
    // Rows top ... top + height - 1, cut into tiles from the left.
    struct Strip {
        int top = 0;
        int height = 0;
        std::vector<Tile> tiles;
    };

    int columns() const { return (size_.width() + kTile - 1) / kTile; }
    int tileWidth(int column) const { return std::min(kTile, size_.width() - column * kTile); }
    std::size_t rowBytes(int column) const;
    const uchar* tileLine(const Strip& s, int column, int y) const;
    bool tileEquals(const Strip& s, int column, const QImage& image, int top) const;
    Tile copyTile(const QImage& image, int top, int height, int column) const;
    void addStrips(const QImage& image, int from, int to);
    int chooseOffset(const TiledSnapshot& base, const QImage& image) const;
    int matchingTiles(const QImage& image, int offset, int samples) const;

    QSize size_;
    QImage::Format format_ = QImage::Format_Invalid;
    int bytesPerPixel_ = 0;
    std::vector<Strip> strips_;
};
