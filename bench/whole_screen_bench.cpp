// The whole-screen capture's own work (grab into the editor's canvas, the waits left out)
// against a bare QScreen::grabWindow of the same screen, interleaved in every iteration. The
// target is set at 3840x2160 (./bench.sh runs it there).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <chrono>

#include "bench_main.h"
#include "bench_target.h"
#include "capture/whole_screen.h"
#include "platform/screens.h"
#include "ui/forms.h"

namespace {

void BM_WholeScreenIntoCanvas(benchmark::State& state) {
    QScreen* screen = QGuiApplication::primaryScreen();
    const QList<platform::ScreenArea> screens = platform::screenAreas();
    const QRect device = screens.first().device;
    const QSize size = device.size();
    using Clock = std::chrono::steady_clock;
    double bare = 0;
    double capture = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        const QPixmap floor = screen->grabWindow(0);
        benchmark::DoNotOptimize(floor);
        const auto t1 = Clock::now();
        // Nothing is shown on the benchmark's screen: its grabs are taken as working.
        if (!whole_screen::intoCanvas(device, platform::deviceRects(screens), true).isEmpty()) {
            state.SkipWithError("the screen gave no picture");
            return;
        }
        const auto t2 = Clock::now();
        bare += std::chrono::duration<double>(t1 - t0).count();
        const double op = std::chrono::duration<double>(t2 - t1).count();
        capture += op;
        state.SetIterationTime(op);
    }
    state.counters["screen_px"] = size.width() * size.height();
    state.counters["grab_ms"] = bare * 1000 / static_cast<double>(state.iterations());
    state.counters["x_grab"] = bare > 0 ? capture / bare : 0;
    const double n = static_cast<double>(state.iterations());
    reportTarget(
        "whole-screen grab in process " + std::to_string(size.width()) + "x" +
            std::to_string(size.height()),
        capture / bare, 0.6, "bare grabWindow",
        "into the canvas " + ms(capture / n) + ", grabWindow " + ms(bare / n) + " (means)");
}
BENCHMARK(BM_WholeScreenIntoCanvas)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

// The screen needs an application object, and the editor the registry of windows.
int main(int argc, char** argv) {
    return runInApplication(argc, argv);
}
