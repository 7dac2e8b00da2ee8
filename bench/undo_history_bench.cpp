// The undo history on a 3840 x 2160 canvas: 100 short strokes, each recorded as it starts,
// then 100 undos and 100 redos; and 100 grow-ups of 20 rows, each recorded before the growth.
// Every step is timed against a memcpy of the canvas in the same iteration (bench_floor.h:
// best, mean and worst of both, and their ratios); the memory is what the history holds.
#include <malloc.h>

#include <QImage>
#include <QPainter>
#include <cstring>
#include <functional>
#include <vector>

#include "bench_floor.h"
#include "editor/history/undo_history.h"

namespace {

constexpr int kW = 3840;
constexpr int kH = 2160;
constexpr int kSteps = 100;
constexpr int kBand = 20;

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

    // A short freehand stroke somewhere on the canvas.
    void stroke(int i) {
        QPainter p(&picture);
        p.setPen(QPen(QColor::fromHsv((i * 37) % 360, 255, 255), 3));
        const QPoint a((i * 733) % (kW - 80), (i * 421) % (kH - 80));
        p.drawLine(a, a + QPoint(45, 20));
        p.drawLine(a + QPoint(45, 20), a + QPoint(60, 55));
    }
    // A band of the fill colour added on top, as grow-up does.
    void growUp(int i) {
        QImage grown(picture.width(), picture.height() + kBand, QImage::Format_RGB32);
        QPainter p(&grown);
        p.fillRect(QRect(0, 0, grown.width(), kBand), QColor::fromHsv((i * 11) % 360, 60, 255));
        p.drawImage(0, kBand, picture);
        p.end();
        picture = grown;
    }

    QImage picture;
};

// The floor: a memcpy of the canvas as it is at that moment.
class CanvasCopy {
public:
    explicit CanvasCopy(const Canvas& c) : canvas_(c) {}
    void operator()() {
        const auto bytes = static_cast<std::size_t>(canvas_.picture.sizeInBytes());
        if (dest_.size() < bytes) {
            dest_.resize(bytes);
        }
        std::memcpy(dest_.data(), canvas_.picture.constBits(), bytes);
        benchmark::DoNotOptimize(dest_.data());
        benchmark::ClobberMemory();
    }

private:
    const Canvas& canvas_;
    std::vector<uchar> dest_;
};

std::size_t heapInUse() {
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
}

void reportMemory(benchmark::State& state, const UndoHistory& h, const Canvas& c) {
    state.counters["held_MB"] = h.bytesHeld() / 1048576.0;
    state.counters["canvas_MB"] = c.picture.sizeInBytes() / 1048576.0;
}

// Times 100 recordings of the canvas; before each but the first, `change` edits it (untimed).
void timeRecording(benchmark::State& state, Canvas& c, UndoHistory& h,
                   const std::function<void(int)>& change) {
    CanvasCopy floor(c);
    int i = 0;
    timeAgainstFloor(
        state, std::ref(floor), [&] { h.SaveUndoStep(c); },
        [&] {
            if (i > 0) {
                change(i);
            }
            ++i;
        });
}

void BM_SaveUndoStep(benchmark::State& state) {
    Canvas c;
    const std::size_t heapBefore = heapInUse();
    UndoHistory h;
    timeRecording(state, c, h, [&](int i) { c.stroke(i - 1); });
    reportMemory(state, h, c);
    state.counters["heap_MB"] = (heapInUse() - heapBefore) / 1048576.0;
}

// 100 strokes recorded before the clock starts.
void record(Canvas& c, UndoHistory& h) {
    for (int i = 0; i < kSteps; ++i) {
        h.SaveUndoStep(c);
        c.stroke(i);
    }
}

void BM_UndoStep(benchmark::State& state) {
    Canvas c;
    UndoHistory h;
    record(c, h);
    CanvasCopy floor(c);
    timeAgainstFloor(state, std::ref(floor), [&] { h.UndoStep(c); });
    reportMemory(state, h, c);
}

void BM_RedoStep(benchmark::State& state) {
    Canvas c;
    UndoHistory h;
    record(c, h);
    for (int i = 0; i < kSteps; ++i) {
        h.UndoStep(c);
    }
    CanvasCopy floor(c);
    timeAgainstFloor(state, std::ref(floor), [&] { h.RedoStep(c); });
}

// 100 grow-ups, each step holding the picture before the growth. The history should hold about
// the added bands plus one canvas (x_bands_canvas near 1).
void BM_GrowUpUndoSteps(benchmark::State& state) {
    Canvas c;
    UndoHistory h;
    const double canvasBytes = c.picture.sizeInBytes();
    double bandBytes = 0;
    auto growUp = [&](int i) {
        c.growUp(i);
        bandBytes += double(kBand) * c.picture.bytesPerLine();
    };
    timeRecording(state, c, h, growUp);
    // The hundredth growth, then an undo, which keeps the grown canvas as the redo tip.
    growUp(kSteps);
    h.UndoStep(c);
    reportMemory(state, h, c);
    state.counters["start_canvas_MB"] = canvasBytes / 1048576.0;
    state.counters["bands_MB"] = bandBytes / 1048576.0;
    state.counters["x_bands_canvas"] = h.bytesHeld() / (bandBytes + canvasBytes);
}

}  // namespace

BENCHMARK(BM_SaveUndoStep)->Iterations(kSteps)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoStep)->Iterations(kSteps)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedoStep)->Iterations(kSteps)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GrowUpUndoSteps)->Iterations(kSteps)->UseManualTime()->Unit(benchmark::kMillisecond);
