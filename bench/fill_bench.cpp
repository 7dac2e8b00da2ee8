// Border fill of a 3840 x 2160 canvas against a memcpy of the canvas.
#include <QImage>
#include <cstring>
#include <random>
#include <vector>

#include "bench_floor.h"
#include "editor/fill/border_fill.h"

namespace {

constexpr int kWidth = 3840;
constexpr int kHeight = 2160;

// A perfect maze of 7-pixel corridors and 1-pixel black walls: one region that winds through
// the whole canvas, the worst shape for a span fill.
QImage maze() {
    constexpr int cell = 8;
    const int cols = kWidth / cell, rows = kHeight / cell;
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    std::vector<char> seen(static_cast<size_t>(cols * rows), 0);
    std::vector<int> stack{0};
    seen[0] = 1;
    std::mt19937 rng(7);
    auto open = [&](int x, int y, int w, int h) {
        for (int j = y; j < y + h; ++j) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(j));
            std::fill(line + x, line + x + w, qRgb(255, 255, 255));
        }
    };
    open(1, 1, cell - 1, cell - 1);
    while (!stack.empty()) {
        const int c = stack.back(), cx = c % cols, cy = c / cols;
        int next[4], n = 0;
        if (cx > 0 && !seen[c - 1])
            next[n++] = c - 1;
        if (cx + 1 < cols && !seen[c + 1])
            next[n++] = c + 1;
        if (cy > 0 && !seen[c - cols])
            next[n++] = c - cols;
        if (cy + 1 < rows && !seen[c + cols])
            next[n++] = c + cols;
        if (n == 0) {
            stack.pop_back();
            continue;
        }
        const int d = next[std::uniform_int_distribution<int>(0, n - 1)(rng)];
        const int dx = d % cols, dy = d / cols;
        seen[d] = 1;
        open(dx * cell + 1, dy * cell + 1, cell - 1, cell - 1);
        // The wall between the two cells.
        open(std::min(cx, dx) * cell + 1, std::min(cy, dy) * cell + 1,
             (dx != cx ? cell * 2 : cell) - 1, (dy != cy ? cell * 2 : cell) - 1);
        stack.push_back(d);
    }
    return image;
}

void fillAgainstMemcpy(benchmark::State& state, QImage canvas, qsizetype spanBudget = -1) {
    std::vector<uchar> copy(static_cast<size_t>(canvas.sizeInBytes()));
    BorderFill fill;  // kept from fill to fill, as the editor keeps its own
    bool red = true;
    timeAgainstFloor(
        state,
        [&] {
            std::memcpy(copy.data(), canvas.constBits(), copy.size());
            benchmark::DoNotOptimize(copy.data());
        },
        [&] {
            fill(canvas, {1, 1}, red ? Qt::red : Qt::white, Qt::black, spanBudget);
            red = !red;
        });
}

void BM_FillWholeCanvas(benchmark::State& state) {
    QImage canvas(kWidth, kHeight, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    fillAgainstMemcpy(state, canvas);
}

void BM_FillMaze(benchmark::State& state) {
    fillAgainstMemcpy(state, maze());
}

// The labelling pass alone, without the span fill that runs first.
void BM_FillMazeLabelling(benchmark::State& state) {
    fillAgainstMemcpy(state, maze(), 0);
}

}  // namespace

BENCHMARK(BM_FillWholeCanvas)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_FillMaze)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_FillMazeLabelling)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2);
