#include "editor/shapes/pixelate.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace pixelate {

namespace {

// Two colour channels per 32-bit sum, 16 bits apart: 16 x 16 pixels of 255 still fit a lane.
constexpr std::uint32_t kLanes = 0x00ff00ffu;

std::uint32_t average(std::uint32_t sum, std::uint32_t count) {
    const std::uint32_t low = ((sum & 0xffffu) + count / 2) / count;
    const std::uint32_t high = ((sum >> 16) + count / 2) / count;
    return low | (high << 16);
}

// Sums of one block of a band: red and blue in one, alpha and green in the other.
struct Sums {
    std::uint32_t redBlue = 0;
    std::uint32_t alphaGreen = 0;
};

void addPixels(const std::uint32_t* p, int n, Sums& s) {
    for (int i = 0; i < n; ++i) {
        s.redBlue += p[i] & kLanes;
        s.alphaGreen += (p[i] >> 8) & kLanes;
    }
}

#if defined(__SSE2__)
// The sums of a block 8 pixels across in four lanes each: a lane adds two pixels of a row.
struct Lanes {
    __m128i redBlue;
    __m128i alphaGreen;
};

void addBlocksOf8(const std::uint32_t* line, int blocks, Lanes* lanes) {
    const __m128i mask = _mm_set1_epi32(static_cast<int>(kLanes));
    for (int c = 0; c < blocks; ++c, line += 8) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(line));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(line + 4));
        const __m128i rb = _mm_add_epi32(_mm_and_si128(a, mask), _mm_and_si128(b, mask));
        const __m128i ag = _mm_add_epi32(_mm_and_si128(_mm_srli_epi32(a, 8), mask),
                                         _mm_and_si128(_mm_srli_epi32(b, 8), mask));
        lanes[c].redBlue = _mm_add_epi32(lanes[c].redBlue, rb);
        lanes[c].alphaGreen = _mm_add_epi32(lanes[c].alphaGreen, ag);
    }
}

std::uint32_t laneTotal(__m128i v) {
    v = _mm_add_epi32(v, _mm_shuffle_epi32(v, _MM_SHUFFLE(1, 0, 3, 2)));
    v = _mm_add_epi32(v, _mm_shuffle_epi32(v, _MM_SHUFFLE(2, 3, 0, 1)));
    return static_cast<std::uint32_t>(_mm_cvtsi128_si32(v));
}

void fillBlocksOf8(std::uint32_t* line, int blocks, const std::uint32_t* colour) {
    for (int c = 0; c < blocks; ++c, line += 8) {
        const __m128i v = _mm_set1_epi32(static_cast<int>(colour[c]));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(line), v);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(line + 4), v);
    }
}
#endif

}  // namespace

void apply(QImage& image, const QRect& area, int block) {
    const QRect r = area.intersected(image.rect());
    if (r.isEmpty()) {
        return;
    }
    if (image.depth() != 32) {
        image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                              : QImage::Format_RGB32);
    }
    block = std::clamp(block, 1, 16);
    const int columns = (r.width() + block - 1) / block;
    std::vector<Sums> sums(static_cast<std::size_t>(columns));
    std::vector<std::uint32_t> colour(static_cast<std::size_t>(columns));
    // Whole blocks of 8 go four lanes at a time; the rest pixel by pixel.
#if defined(__SSE2__)
    const int fast = block == 8 ? r.width() / 8 : 0;
    std::vector<Lanes> lanes(static_cast<std::size_t>(fast));
#else
    const int fast = 0;
#endif
    for (int top = r.top(); top <= r.bottom(); top += block) {
        const int rows = std::min(block, r.bottom() + 1 - top);
        std::fill(sums.begin(), sums.end(), Sums{});
#if defined(__SSE2__)
        std::fill(lanes.begin(), lanes.end(), Lanes{_mm_setzero_si128(), _mm_setzero_si128()});
#endif
        for (int y = top; y < top + rows; ++y) {
            const auto* line =
                reinterpret_cast<const std::uint32_t*>(image.constScanLine(y)) + r.left();
#if defined(__SSE2__)
            addBlocksOf8(line, fast, lanes.data());
#endif
            for (int c = fast; c < columns; ++c) {
                addPixels(line + c * block, std::min(block, r.width() - c * block),
                          sums[static_cast<std::size_t>(c)]);
            }
        }
        for (int c = 0; c < columns; ++c) {
            const auto i = static_cast<std::size_t>(c);
#if defined(__SSE2__)
            if (c < fast) {
                sums[i] = Sums{laneTotal(lanes[i].redBlue), laneTotal(lanes[i].alphaGreen)};
            }
#endif
            const auto count =
                static_cast<std::uint32_t>(std::min(block, r.width() - c * block) * rows);
            colour[i] = average(sums[i].redBlue, count) | (average(sums[i].alphaGreen, count) << 8);
        }
        for (int y = top; y < top + rows; ++y) {
            auto* line = reinterpret_cast<std::uint32_t*>(image.scanLine(y)) + r.left();
#if defined(__SSE2__)
            fillBlocksOf8(line, fast, colour.data());
#endif
            for (int c = fast; c < columns; ++c) {
                std::fill_n(line + c * block, std::min(block, r.width() - c * block),
                            colour[static_cast<std::size_t>(c)]);
            }
        }
    }
}

}  // namespace pixelate
