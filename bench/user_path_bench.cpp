// The whole user path, driven from outside as a user drives it: "Tela" and "Copiar" chosen in
// the main window, a click on the capture button sent with xdotool, then xclip asked until the
// clipboard offers the picture. Against one `xwd -root -silent` of the same screen in the same
// run, which is the least a program spends to read the screen from outside. Also given: the
// time until a paste of the PNG succeeds, and flameshot's `full -c` measured the same way
// where it is installed. Run it on a desktop with a window manager (./bench.sh does, at
// 1920x1080 and at 3840x2160).
#include <benchmark/benchmark.h>
#include <xcb/xcb.h>

#include <cstdio>
#include <memory>
#include <sstream>

#include "bench_target.h"
#include "outside_program.h"

namespace {

using namespace outside;

struct ScreenSize {
    int width = 0, height = 0;
};

ScreenSize screenSize() {
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    const xcb_screen_t* s = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    ScreenSize size{s->width_in_pixels, s->height_in_pixels};
    xcb_disconnect(c);
    return size;
}

// Clicks a point of a window (its client area, pixels).
void clickIn(const std::string& window, int x, int y) {
    run({"xdotool", "mousemove", "--sync", "--window", window, std::to_string(x), std::to_string(y),
         "click", "1"});
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
}

void BM_ClickToClipboardAgainstXwd(benchmark::State& state) {
    Program program("user-path");
    const std::string scratch = program.scratch("out");
    std::string main =
        output({"xdotool", "search", "--sync", "--onlyvisible", "--name", "^Lumacap$"}, scratch);
    std::istringstream(main) >> main;
    if (main.empty()) {
        state.SkipWithError("the main window did not appear");
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    clickIn(main, 153, 28);  // "Tela"
    clickIn(main, 166, 58);  // "Copiar"
    // The pointer rests on the capture button; each click is a press and a release there.
    run({"xdotool", "mousemove", "--sync", "--window", main, "213", "30"});

    const bool flameshot = run({"sh", "-c", "command -v flameshot"}) == 0;
    std::vector<double> floorTimes, readyTimes, pasteTimes, flameshotTimes;
    for (auto _ : state) {
        auto t = Clock::now();
        run({"xwd", "-root", "-silent"});
        floorTimes.push_back(secondsSince(t));

        takeClipboard();
        // A click on a quiet screen: the main window back, the last copy's notice gone.
        std::this_thread::sleep_for(std::chrono::milliseconds(1300));
        t = Clock::now();
        // A press and a release: `xdotool click` would add a pause of its own of about 100 ms.
        run({"xdotool", "mousedown", "1", "mouseup", "1"});
        if (!waitForPictureOffer(scratch)) {
            state.SkipWithError("no picture reached the clipboard");
            break;
        }
        readyTimes.push_back(secondsSince(t));
        state.SetIterationTime(readyTimes.back());
        if (waitForPaste(scratch)) {
            pasteTimes.push_back(secondsSince(t));
        }

        if (flameshot) {
            takeClipboard();
            t = Clock::now();
            run({"flameshot", "full", "-c"});
            if (waitForPictureOffer(scratch)) {
                flameshotTimes.push_back(secondsSince(t));
            }
        }
    }
    if (readyTimes.empty()) {
        return;
    }
    const double floor = median(floorTimes), ready = median(readyTimes);
    state.counters["xwd_ms"] = floor * 1e3;
    state.counters["ready_ms"] = ready * 1e3;
    state.counters["paste_ms"] = median(pasteTimes) * 1e3;
    state.counters["x_xwd"] = ready / floor;
    std::string times = "click to clipboard " + ms(ready) + ", xwd " + ms(floor) +
                        ", to a full PNG paste " + ms(median(pasteTimes));
    if (!flameshotTimes.empty()) {
        state.counters["flameshot_ms"] = median(flameshotTimes) * 1e3;
        times += ", flameshot full -c " + ms(median(flameshotTimes));
    }
    const ScreenSize size = screenSize();
    const bool large = size.width * size.height > 1920 * 1080;
    reportTarget("click -> clipboard, whole screen " + std::to_string(size.width) + "x" +
                     std::to_string(size.height),
                 ready / floor, large ? 2.5 : 3.0, "xwd -root", times);
}

BENCHMARK(BM_ClickToClipboardAgainstXwd)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(15);

}  // namespace

BENCHMARK_MAIN();
