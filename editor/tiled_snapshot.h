#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <cstddef>
#include <vector>

// A copy of a picture kept as square tiles. A copy taken against an earlier one shares every
// tile whose pixels did not change (QByteArray's implicit sharing), so a history of many
// pictures that differ by a few strokes holds each changed tile once instead of whole pictures.
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

    // The picture again, as a new image.
    QImage toImage() const;
    // Writes the picture into `image` in place; false (and nothing written) unless `image` has
    // this snapshot's size and format.
    bool writeInto(QImage& image) const;
    // Whether `image` holds exactly this picture.
    bool matches(const QImage& image) const;

    // The tile buffers, for counting what a set of snapshots holds.
    const std::vector<QByteArray>& tiles() const { return tiles_; }

private:
    struct Grid {
        int columns = 0;
        int rows = 0;
    };
    Grid grid() const;
    QRect tileRect(int column, int row) const;
    bool tileEquals(const QByteArray& tile, const QImage& image, const QRect& r) const;

    QSize size_;
    QImage::Format format_ = QImage::Format_Invalid;
    int bytesPerPixel_ = 0;
    std::vector<QByteArray> tiles_;
};

// Bytes held by a set of snapshots, each shared tile counted once.
std::size_t bytesHeld(const std::vector<const TiledSnapshot*>& snapshots);
