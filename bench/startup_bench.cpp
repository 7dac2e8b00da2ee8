// Start-up: from starting the process to its first window being mapped, for the program (with
// its data folders, from a copy of the build's) against a bare Qt window program, measured the
// same way in the same run. Run it on a desktop without a window manager, so that the windows
// are mapped on the root itself (./bench.sh does).
#include <benchmark/benchmark.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "bench_process.h"
#include "bench_target.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

struct XConnection {
    XConnection() : c(xcb_connect(nullptr, nullptr)) {
        xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(c);
    }
    ~XConnection() { xcb_disconnect(c); }
    // Waits for the next map of a managed (not override-redirect) window.
    bool waitForMap() {
        while (xcb_generic_event_t* e = xcb_wait_for_event(c)) {
            std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(e, &std::free);
            if ((e->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                !reinterpret_cast<xcb_map_notify_event_t*>(e)->override_redirect) {
                return true;
            }
        }
        return false;
    }
    xcb_connection_t* c;
};

double secondsToFirstWindow(XConnection& x, const std::string& program,
                            const char* argument = nullptr) {
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    char* argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>(argument), nullptr};
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ) != 0) {
        return -1;
    }
    const bool mapped = x.waitForMap();
    const auto end = std::chrono::steady_clock::now();
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    // Lets the display server finish with the ended client before the next start.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    return mapped ? std::chrono::duration<double>(end - start).count() : -1;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// The program (with its data folders, from a folder of its own) and the bare window take turns
// in every iteration, so that both see the same machine. The iteration time is the program's;
// the counters give both medians in milliseconds and their ratio, which a start-up now and then
// slowed by something else on the machine moves least.
// The program's copy, removed again when the benchmark ends.
struct ProgramFolder {
    ProgramFolder() : dir(bench_process::programFolder("lumacap-bench", {})) {}
    ~ProgramFolder() { fs::remove_all(dir); }
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;
    fs::path dir;
};

void BM_StartLumacapAgainstBareWindow(benchmark::State& state) {
    const ProgramFolder folder;
    const std::string bare = LUMACAP_BENCH_DIR "/bare_window";
    const std::string program = (folder.dir / "Lumacap").string();

    XConnection x;
    // Beside the floor, for information: the bare window with one line of text, which pays for
    // the fonts and Qt's accessibility bridge before its window is mapped, as the program does.
    std::vector<double> bareTimes, textTimes, programTimes;
    for (auto _ : state) {
        const double b = secondsToFirstWindow(x, bare);
        const double t = secondsToFirstWindow(x, bare, "--text");
        const double p = secondsToFirstWindow(x, program);
        if (b < 0 || t < 0 || p < 0) {
            state.SkipWithError("no window was mapped");
            break;
        }
        bareTimes.push_back(b);
        textTimes.push_back(t);
        programTimes.push_back(p);
        state.SetIterationTime(p);
    }
    if (!bareTimes.empty()) {
        const double bareMedian = median(bareTimes), textMedian = median(textTimes),
                     programMedian = median(programTimes);
        state.counters["bare_ms"] = bareMedian * 1e3;
        state.counters["bare_text_ms"] = textMedian * 1e3;
        state.counters["lumacap_ms"] = programMedian * 1e3;
        state.counters["x_bare"] = programMedian / bareMedian;
        state.counters["x_bare_text"] = programMedian / textMedian;
        reportTarget("start-up to the first window", programMedian / bareMedian, 1.5,
                     "bare Qt window",
                     "Lumacap " + ms(programMedian) + ", bare window " + ms(bareMedian) +
                         "; with one line of text " + ms(textMedian) + ", Lumacap " +
                         times(programMedian / textMedian) + " that (medians)");
    }
}

BENCHMARK(BM_StartLumacapAgainstBareWindow)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(31);

}  // namespace

BENCHMARK_MAIN();
