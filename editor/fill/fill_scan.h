#pragma once

#include <bit>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Row scans shared by the two fill strategies. Pixels are 32-bit; colours compare by red,
// green and blue only.
namespace fill_scan {

constexpr std::uint32_t kRgbMask = 0x00ffffffu;

// Bit i set when pixels[i] has the border colour, for 0 <= i < n <= 64.
inline std::uint64_t borderBits(const std::uint32_t* pixels, int n, std::uint32_t border) {
    std::uint64_t bits = 0;
    int i = 0;
#if defined(__SSE2__)
    const __m128i mask = _mm_set1_epi32(static_cast<int>(kRgbMask));
    const __m128i wanted = _mm_set1_epi32(static_cast<int>(border));
    auto equal = [&](int at) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels + at));
        return _mm_cmpeq_epi32(_mm_and_si128(v, mask), wanted);
    };
    // Sixteen pixels per step: the four comparisons are narrowed to one byte each.
    for (; i + 16 <= n; i += 16) {
        const __m128i lo = _mm_packs_epi32(equal(i), equal(i + 4));
        const __m128i hi = _mm_packs_epi32(equal(i + 8), equal(i + 12));
        bits |= std::uint64_t(std::uint16_t(_mm_movemask_epi8(_mm_packs_epi16(lo, hi)))) << i;
    }
    for (; i + 4 <= n; i += 4) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels + i));
        const __m128i eq = _mm_cmpeq_epi32(_mm_and_si128(v, mask), wanted);
        bits |= std::uint64_t(_mm_movemask_ps(_mm_castsi128_ps(eq))) << i;
    }
#endif
    for (; i < n; ++i) {
        bits |= std::uint64_t((pixels[i] & kRgbMask) == border) << i;
    }
    return bits;
}

// Index of the first pixel in [x, end) of exactly the colour `border`, or `end`.
inline int firstBorder(const std::uint32_t* pixels, int x, int end, std::uint32_t border) {
    while (x < end) {
        const int n = end - x < 64 ? end - x : 64;
        const std::uint64_t bits = borderBits(pixels + x, n, border);
        if (bits) {
            return x + std::countr_zero(bits);
        }
        x += n;
    }
    return end;
}

// Paints [p, end) in one colour. Runs are short in a busy picture: no call per run, and four
// pixels per store.
inline void paint(std::uint32_t* p, std::uint32_t* end, std::uint32_t colour) {
#if defined(__SSE2__)
    const __m128i v = _mm_set1_epi32(static_cast<int>(colour));
    for (; end - p >= 4; p += 4) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v);
    }
#endif
    while (p < end) {
        *p++ = colour;
    }
}

}  // namespace fill_scan
