// Starts that talk to a running copy, timed from outside against their floors in the same run:
// - a second start that only hands its arguments on, against a bare QCoreApplication start;
// - `Lumacap --capture=screen --copy` until an xclip paste of the picture succeeds, against
//   `xwd -root` plus an xclip paste of a picture of the same size (and, where flameshot is
//   installed, `flameshot full -c` measured the same way).
// The running copy waits in the tray, as it does for someone who captures with a key, and each
// copy starts on a quiet screen (the last one's notice gone): run this on a desktop with a tray
// (./bench.sh does).
#include <benchmark/benchmark.h>

#include "bench_target.h"
#include "outside_program.h"

namespace {

using namespace outside;

// The running copy, from a folder of its own, in the tray.
Program& copy() {
    static Program c("command-bench", {"--tray"});
    return c;
}

void BM_ForwardingStartAgainstBareCoreApplication(benchmark::State& state) {
    const std::string bare = LUMACAP_BENCH_DIR "/bare_core";
    std::vector<double> bareTimes, forwardTimes;
    for (auto _ : state) {
        auto t = Clock::now();
        run({bare});
        bareTimes.push_back(secondsSince(t));
        t = Clock::now();
        if (run({copy().path(), "--tray"}) != 0) {
            state.SkipWithError("the running copy did not take the request");
            break;
        }
        forwardTimes.push_back(secondsSince(t));
        state.SetIterationTime(forwardTimes.back());
    }
    state.counters["bare_ms"] = median(bareTimes) * 1e3;
    state.counters["forward_ms"] = median(forwardTimes) * 1e3;
    state.counters["x_bare"] = median(forwardTimes) / median(bareTimes);
    if (!forwardTimes.empty()) {
        reportTarget("second start that only hands its arguments over",
                     median(forwardTimes) / median(bareTimes), 1.5, "bare QCoreApplication",
                     "Lumacap " + ms(median(forwardTimes)) + ", bare " + ms(median(bareTimes)) +
                         " (medians)");
    }
}

void BM_ScreenCopyByCommandAgainstXwdAndPaste(benchmark::State& state) {
    const std::string scratch = copy().scratch("paste.png");
    const std::string same = copy().scratch("same-size.png");
    // A first copy gives the picture whose size the floor's paste moves.
    takeClipboard();
    run({copy().path(), "--capture=screen", "--copy"});
    if (!waitForPaste(scratch)) {
        state.SkipWithError("no picture reached the clipboard");
        return;
    }
    fs::copy_file(scratch, same, fs::copy_options::overwrite_existing);
    const bool flameshot = run({"sh", "-c", "command -v flameshot"}) == 0;
    std::vector<double> floorTimes, copyTimes, flameshotTimes;
    for (auto _ : state) {
        run({"sh", "-c", "xclip -selection clipboard -t image/png -i '" + same + "' & sleep 0.05"});
        auto t = Clock::now();
        run({"xwd", "-root", "-silent"});
        run({"xclip", "-selection", "clipboard", "-t", "image/png", "-o"}, scratch);
        floorTimes.push_back(secondsSince(t));

        takeClipboard();
        // A key pressed on a quiet screen: the last copy's notice (one second) is gone.
        std::this_thread::sleep_for(std::chrono::milliseconds(1100));
        t = Clock::now();
        run({copy().path(), "--capture=screen", "--copy"});
        if (!waitForPaste(scratch)) {
            state.SkipWithError("no picture reached the clipboard");
            break;
        }
        copyTimes.push_back(secondsSince(t));
        state.SetIterationTime(copyTimes.back());

        if (flameshot) {
            takeClipboard();
            t = Clock::now();
            run({"flameshot", "full", "-c"});
            if (waitForPaste(scratch)) {
                flameshotTimes.push_back(secondsSince(t));
            }
        }
    }
    state.counters["floor_ms"] = median(floorTimes) * 1e3;
    state.counters["lumacap_ms"] = median(copyTimes) * 1e3;
    state.counters["x_floor"] = median(copyTimes) / median(floorTimes);
    state.counters["png_kb"] = static_cast<double>(fs::file_size(same)) / 1024;
    if (!flameshotTimes.empty()) {
        state.counters["flameshot_ms"] = median(flameshotTimes) * 1e3;
    }
}

BENCHMARK(BM_ForwardingStartAgainstBareCoreApplication)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(41);
BENCHMARK(BM_ScreenCopyByCommandAgainstXwdAndPaste)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(15);

}  // namespace

BENCHMARK_MAIN();
