// The undo history on a 3840 x 2160 canvas: 100 short strokes, each recorded as it starts,
// then 100 undos and 100 redos. Times are per step and set against a memcpy of the canvas
// measured in the same run; the memory is what the history holds after the 100 steps.
// The first record shares the canvas's buffer, so the first stroke after it gives the canvas a
// buffer of its own: that stroke's time is reported too (first_stroke_ms).
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cstring>
#include <vector>

#include "editor/history/undo_history.h"

namespace {

constexpr int kW = 3840;
constexpr int kH = 2160;
constexpr int kSteps = 100;

class Canvas : public HistoryTarget {
public:
    Canvas() : picture(kW, kH, QImage::Format_RGB32) {
        // Something like a desktop: bands of colour with detail, not one flat colour.
        for (int y = 0; y < kH; ++y) {
            auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
            for (int x = 0; x < kW; ++x) {
                line[x] = qRgb((x / 7) & 0xff, (y / 5) & 0xff, ((x ^ y) >> 3) & 0xff);
            }
        }
    }
    const QImage& canvasPicture() const override { return picture; }
    int canvasHeightTw() const override { return picture.height() * 15 + 60; }
    int windowHeightTw() const override { return 33700; }
    bool maximised() const override { return false; }
    void restoreState(const TiledSnapshot& p, int, std::optional<int>) override {
        if (!p.writeInto(picture)) {
            picture = p.toImage();
        }
    }

    // A short freehand stroke somewhere on the canvas: its first point, then the rest.
    QPoint strokeStart(int i) const { return {(i * 733) % (kW - 80), (i * 421) % (kH - 80)}; }
    void strokeRest(int i) {
        QPainter p(&picture);
        p.setPen(QPen(QColor::fromHsv((i * 37) % 360, 255, 255), 3));
        const QPoint a = strokeStart(i);
        p.drawLine(a, a + QPoint(45, 20));
        p.drawLine(a + QPoint(45, 20), a + QPoint(60, 55));
    }

    QImage picture;
};

double memcpyMs() {
    static const double ms = [] {
        const Canvas c;
        std::vector<uchar> dest(static_cast<std::size_t>(c.picture.sizeInBytes()));
        std::vector<double> runs;
        for (int i = 0; i < 15; ++i) {
            const auto t0 = std::chrono::steady_clock::now();
            std::memcpy(dest.data(), c.picture.constBits(), dest.size());
            benchmark::DoNotOptimize(dest.data());
            benchmark::ClobberMemory();
            runs.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0)
                    .count());
        }
        std::sort(runs.begin(), runs.end());
        return runs[runs.size() / 2];
    }();
    return ms;
}

std::size_t heapInUse() {
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
}

// Times one call of `op` per iteration and reports mean, worst and the memcpy ratio.
template <class Prepare, class Op>
void timeSteps(benchmark::State& state, Prepare prepare, Op op) {
    double total = 0, worst = 0;
    int i = 0;
    for (auto _ : state) {
        prepare(i);
        const auto t0 = std::chrono::steady_clock::now();
        op(i);
        const double s =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        state.SetIterationTime(s);
        total += s;
        worst = std::max(worst, s);
        ++i;
    }
    const double meanMs = total * 1000 / i;
    state.counters["mean_ms"] = meanMs;
    state.counters["worst_ms"] = worst * 1000;
    state.counters["x_memcpy"] = meanMs / memcpyMs();
    state.counters["worst_x_memcpy"] = worst * 1000 / memcpyMs();
}

void BM_MemcpyCanvas(benchmark::State& state) {
    const Canvas c;
    std::vector<uchar> dest(static_cast<std::size_t>(c.picture.sizeInBytes()));
    for (auto _ : state) {
        std::memcpy(dest.data(), c.picture.constBits(), dest.size());
        benchmark::DoNotOptimize(dest.data());
        benchmark::ClobberMemory();
    }
    state.counters["MB"] = dest.size() / 1e6;
    state.counters["median_ms"] = memcpyMs();
}

void BM_SaveUndoStep(benchmark::State& state) {
    Canvas c;
    const std::size_t heapBefore = heapInUse();
    UndoHistory h;
    double firstStrokeMs = 0;
    timeSteps(
        state,
        [&](int i) {
            const auto t0 = std::chrono::steady_clock::now();
            if (i > 0) {
                c.strokeRest(i - 1);
            }
            QPainter(&c.picture).fillRect(QRect(c.strokeStart(i), QSize(3, 3)), Qt::red);
            if (i == 1) {
                firstStrokeMs =
                    std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0)
                        .count();
            }
        },
        [&](int) { h.SaveUndoStep(c); });
    state.counters["first_stroke_ms"] = firstStrokeMs;
    state.counters["held_MB"] = h.bytesHeld() / 1048576.0;
    state.counters["heap_MB"] = (heapInUse() - heapBefore) / 1048576.0;
    state.counters["canvas_MB"] = c.picture.sizeInBytes() / 1048576.0;
}

// 100 strokes recorded before the clock starts.
void record(Canvas& c, UndoHistory& h) {
    for (int i = 0; i < kSteps; ++i) {
        QPainter(&c.picture).fillRect(QRect(c.strokeStart(i), QSize(3, 3)), Qt::red);
        h.SaveUndoStep(c);
        c.strokeRest(i);
    }
}

void BM_UndoStep(benchmark::State& state) {
    Canvas c;
    UndoHistory h;
    record(c, h);
    timeSteps(
        state, [](int) {}, [&](int) { h.UndoStep(c); });
    state.counters["held_MB"] = h.bytesHeld() / 1048576.0;
}

void BM_RedoStep(benchmark::State& state) {
    Canvas c;
    UndoHistory h;
    record(c, h);
    for (int i = 0; i < kSteps; ++i) {
        h.UndoStep(c);
    }
    timeSteps(
        state, [](int) {}, [&](int) { h.RedoStep(c); });
}

// 100 grow-ups of 20 rows, each recorded before the growth as the editor does. The history
// should hold about the added bands plus one canvas.
void BM_GrowUpUndoSteps(benchmark::State& state) {
    constexpr int kBand = 20;
    Canvas c;
    UndoHistory h;
    const double canvasBytes = c.picture.sizeInBytes();
    double bandBytes = 0;
    timeSteps(
        state, [](int) {},
        [&](int) {
            h.SaveUndoStep(c);
            QImage grown(c.picture.width(), c.picture.height() + kBand, QImage::Format_RGB32);
            QPainter p(&grown);
            p.fillRect(QRect(0, 0, grown.width(), kBand), Qt::white);
            p.drawImage(0, kBand, c.picture);
            p.end();
            c.picture = grown;
            bandBytes += double(kBand) * grown.bytesPerLine();
        });
    state.counters["held_MB"] = h.bytesHeld() / 1048576.0;
    state.counters["bands_MB"] = bandBytes / 1048576.0;
    state.counters["canvas_MB"] = canvasBytes / 1048576.0;
    state.counters["x_bands_canvas"] = h.bytesHeld() / (bandBytes + canvasBytes);
}

}  // namespace

BENCHMARK(BM_MemcpyCanvas)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveUndoStep)->Iterations(kSteps)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoStep)->Iterations(kSteps)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedoStep)->Iterations(kSteps)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GrowUpUndoSteps)->Iterations(kSteps)->UseManualTime()->Unit(benchmark::kMillisecond);
