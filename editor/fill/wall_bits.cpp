#include "editor/fill/wall_bits.h"

#include "editor/fill/fill_scan.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define LUMACAP_WALL_BITS_AVX2 1
#endif

namespace {

void wallBitsPortable(const std::uint32_t* pixels, int width, std::uint32_t border,
                      std::uint64_t* out) {
    for (int x = 0; x < width; x += 64) {
        const int n = width - x < 64 ? width - x : 64;
        out[x / 64] = fill_scan::borderBits(pixels + x, n, border) | (n == 64 ? 0 : ~0ull << n);
    }
}

#ifdef LUMACAP_WALL_BITS_AVX2
// Eight pixels per comparison; reading the picture is most of a large fill's work.
__attribute__((target("avx2"))) void wallBitsAvx2(const std::uint32_t* pixels, int width,
                                                  std::uint32_t border, std::uint64_t* out) {
    const __m256i mask = _mm256_set1_epi32(static_cast<int>(fill_scan::kRgbMask));
    const __m256i wanted = _mm256_set1_epi32(static_cast<int>(border));
    const int whole = width / 64 * 64;
    for (int x = 0; x < whole; x += 64) {
        std::uint64_t bits = 0;
        for (int i = 0; i < 64; i += 8) {
            const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(pixels + x + i));
            const __m256i eq = _mm256_cmpeq_epi32(_mm256_and_si256(v, mask), wanted);
            bits |= std::uint64_t(
                        static_cast<std::uint8_t>(_mm256_movemask_ps(_mm256_castsi256_ps(eq))))
                    << i;
        }
        out[x / 64] = bits;
    }
    if (whole < width) {
        wallBitsPortable(pixels + whole, width - whole, border, out + whole / 64);
    }
}
#endif

using WallBitsFn = void (*)(const std::uint32_t*, int, std::uint32_t, std::uint64_t*);

WallBitsFn chosen() {
#ifdef LUMACAP_WALL_BITS_AVX2
    if (__builtin_cpu_supports("avx2")) {
        return wallBitsAvx2;
    }
#endif
    return wallBitsPortable;
}

}  // namespace

void wallBits(const std::uint32_t* pixels, int width, std::uint32_t border, std::uint64_t* out) {
    static const WallBitsFn fn = chosen();
    fn(pixels, width, border, out);
}
