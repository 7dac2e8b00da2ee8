// Starts that talk to a running copy, timed from outside against their floors in the same run:
// - a second start that only hands its arguments on, against a bare QCoreApplication start;
// - `Lumacap --capture=screen --copy` until an xclip paste of the picture succeeds, against
//   `xwd -root` plus an xclip paste of a picture of the same size (and, where flameshot is
//   installed, `flameshot full -c` measured the same way).
// The running copy waits in the tray, as it does for someone who captures with a key, and each
// copy starts on a quiet screen (the last one's notice gone): run this on a desktop with a tray
// (./bench.sh does).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "bench_process.h"

namespace {

namespace fs = std::filesystem;
using namespace bench_process;

// Waits until the clipboard gives a PNG picture; false after 10 seconds.
bool pollForPicture(const std::string& scratch) {
    const auto start = Clock::now();
    while (secondsSince(start) < 10) {
        if (run({"xclip", "-selection", "clipboard", "-t", "image/png", "-o"}, scratch) == 0 &&
            readFile(scratch).rfind("\x89PNG", 0) == 0) {
            return true;
        }
    }
    return false;
}

// Someone else copies a word: the next poll waits for a new picture.
void clearClipboard() {
    run({"sh", "-c", "printf x | xclip -selection clipboard -loops 1 & sleep 0.05"});
}

// The running copy, from a folder of its own, in the tray.
struct RunningCopy {
    RunningCopy() {
        folder = programFolder("lumacap-command-bench", {{LUMACAP_BINARY, "Lumacap"},
                                                         {LUMACAP_GUI, "lumacap-gui"},
                                                         {LUMACAP_HELPER, "lumacap-clipboard"}});
        fs::create_directory(folder / "run");
        chmod((folder / "run").c_str(), 0700);
        setenv("XDG_RUNTIME_DIR", (folder / "run").c_str(), 1);
        program = (folder / "Lumacap").string();
        const std::string path = program;
        char* argv[] = {const_cast<char*>(path.c_str()), const_cast<char*>("--tray"), nullptr};
        posix_spawn(&pid, argv[0], nullptr, nullptr, argv, environ);
        waitFor([this] { return up(); }, 20);
    }
    ~RunningCopy() {
        stop(pid);
        fs::remove_all(folder);
    }
    bool up() const {
        std::error_code error;
        for (const auto& e : fs::directory_iterator(folder / "run" / "lumacap", error)) {
            if (e.path().extension() == ".socket") {
                return true;
            }
        }
        return false;
    }
    fs::path folder;
    std::string program;
    pid_t pid = 0;
};

RunningCopy& copy() {
    static RunningCopy c;
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
        if (run({copy().program, "--tray"}) != 0) {
            state.SkipWithError("the running copy did not take the request");
            break;
        }
        forwardTimes.push_back(secondsSince(t));
        state.SetIterationTime(forwardTimes.back());
    }
    state.counters["bare_ms"] = median(bareTimes) * 1e3;
    state.counters["forward_ms"] = median(forwardTimes) * 1e3;
    state.counters["x_bare"] = median(forwardTimes) / median(bareTimes);
}

void BM_ScreenCopyByCommandAgainstXwdAndPaste(benchmark::State& state) {
    const std::string scratch = (copy().folder / "paste.png").string();
    const std::string same = (copy().folder / "same-size.png").string();
    // A first copy gives the picture whose size the floor's paste moves.
    clearClipboard();
    run({copy().program, "--capture=screen", "--copy"});
    if (!pollForPicture(scratch)) {
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

        clearClipboard();
        // A key pressed on a quiet screen: the last copy's notice (one second) is gone.
        std::this_thread::sleep_for(std::chrono::milliseconds(1100));
        t = Clock::now();
        run({copy().program, "--capture=screen", "--copy"});
        if (!pollForPicture(scratch)) {
            state.SkipWithError("no picture reached the clipboard");
            break;
        }
        copyTimes.push_back(secondsSince(t));
        state.SetIterationTime(copyTimes.back());

        if (flameshot) {
            clearClipboard();
            t = Clock::now();
            run({"flameshot", "full", "-c"});
            if (pollForPicture(scratch)) {
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
