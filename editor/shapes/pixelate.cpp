#include "editor/shapes/pixelate.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace pixelate {

namespace {

// Two colour channels per 32-bit sum, 16 bits apart: 16 x 16 pixels of 255 still fit a lane.
constexpr std::uint32_t kLanes = 0x00ff00ffu;

std::uint32_t average(std::uint32_t sum, std::uint32_t count) {
    const std::uint32_t low = ((sum & 0xffffu) + count / 2) / count;
    const std::uint32_t high = ((sum >> 16) + count / 2) / count;
    return low | (high << 16);
}

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
    // Red and blue in one sum, alpha and green in the other, one pair per block of a band.
    std::vector<std::uint32_t> redBlue(static_cast<std::size_t>(columns));
    std::vector<std::uint32_t> alphaGreen(static_cast<std::size_t>(columns));
    std::vector<std::uint32_t> colour(static_cast<std::size_t>(columns));
    for (int top = r.top(); top <= r.bottom(); top += block) {
        const int rows = std::min(block, r.bottom() + 1 - top);
        std::fill(redBlue.begin(), redBlue.end(), 0);
        std::fill(alphaGreen.begin(), alphaGreen.end(), 0);
        for (int y = top; y < top + rows; ++y) {
            const auto* line = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
            for (int c = 0; c < columns; ++c) {
                const int left = r.left() + c * block;
                const int n = std::min(block, r.right() + 1 - left);
                std::uint32_t rb = 0, ag = 0;
                for (int i = 0; i < n; ++i) {
                    const std::uint32_t p = line[left + i];
                    rb += p & kLanes;
                    ag += (p >> 8) & kLanes;
                }
                redBlue[static_cast<std::size_t>(c)] += rb;
                alphaGreen[static_cast<std::size_t>(c)] += ag;
            }
        }
        for (int c = 0; c < columns; ++c) {
            const auto count = static_cast<std::uint32_t>(
                std::min(block, r.right() + 1 - (r.left() + c * block)) * rows);
            const auto i = static_cast<std::size_t>(c);
            colour[i] = average(redBlue[i], count) | (average(alphaGreen[i], count) << 8);
        }
        for (int y = top; y < top + rows; ++y) {
            auto* line = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
            for (int c = 0; c < columns; ++c) {
                const int left = r.left() + c * block;
                std::fill_n(line + left, std::min(block, r.right() + 1 - left),
                            colour[static_cast<std::size_t>(c)]);
            }
        }
    }
}

}  // namespace pixelate
