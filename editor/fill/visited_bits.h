#pragma once

#include <QtGlobal>
#include <algorithm>
#include <cstdint>
#include <vector>

// One bit per pixel of a picture, all clear at first, in storage that the caller keeps.
class VisitedBits {
public:
    VisitedBits(std::vector<std::uint64_t>& storage, int width, int height)
        : wordsPerRow_((static_cast<qsizetype>(width) + 63) / 64), bits_(storage) {
        bits_.assign(static_cast<std::size_t>(wordsPerRow_ * height), 0);
    }

    const std::uint64_t* row(int y) const { return bits_.data() + wordsPerRow_ * y; }
    std::uint64_t* row(int y) { return bits_.data() + wordsPerRow_ * y; }

    static bool test(const std::uint64_t* row, int x) { return (row[x >> 6] >> (x & 63)) & 1u; }

    // Sets bits x1..x2 inclusive.
    static void setRange(std::uint64_t* row, int x1, int x2) {
        int w1 = x1 >> 6;
        const int w2 = x2 >> 6;
        const std::uint64_t first = ~0ull << (x1 & 63);
        const std::uint64_t last = ~0ull >> (63 - (x2 & 63));
        if (w1 == w2) {
            row[w1] |= first & last;
            return;
        }
        row[w1++] |= first;
        std::fill(row + w1, row + w2, ~0ull);
        row[w2] |= last;
    }

private:
    qsizetype wordsPerRow_;
    std::vector<std::uint64_t>& bits_;
};
