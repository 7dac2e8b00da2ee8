// On a Wayland desktop (private_desktop.sh --wayland; ./bench.sh runs it there): the whole
// screen copied by `Lumacap --capture=screen --copy` until a wl-paste of the picture succeeds,
// against its floor in the same run: one bare Screenshot portal request (bench/portal_shot.cpp,
// timed inside it) plus one wl-paste of a picture of the same size. The running copy waits in
// the tray, as for someone who captures with a key, and each copy starts on a quiet screen.
// As root, the programs run as the desktop's user (LUMACAP_SESSION_USER).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
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

std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

// The command, as the desktop's user with the desktop's environment and `home`.
std::vector<std::string> asUser(const std::vector<std::string>& command, const std::string& home) {
    std::vector<std::string> all;
    if (!env("LUMACAP_SESSION_USER").empty()) {
        all = {"setpriv", "--reuid=" + env("LUMACAP_SESSION_USER"), "--regid=nogroup",
               "--clear-groups"};
    }
    all.insert(all.end(), {"env", "-i", "PATH=" + env("PATH"), "HOME=" + home,
                           "XDG_RUNTIME_DIR=" + env("XDG_RUNTIME_DIR"),
                           "WAYLAND_DISPLAY=" + env("WAYLAND_DISPLAY"),
                           "DBUS_SESSION_BUS_ADDRESS=" + env("DBUS_SESSION_BUS_ADDRESS"),
                           "XDG_SESSION_TYPE=wayland"});
    all.insert(all.end(), command.begin(), command.end());
    return all;
}

// The running copy, from a folder of its own, in the tray.
struct RunningCopy {
    RunningCopy() {
        folder = programFolder("lumacap-wayland-bench",
                               {{LUMACAP_HELPER, "lumacap-wayland-clipboard"},
                                {LUMACAP_BENCH_DIR "/portal_shot", "portal_shot"}});
        if (!env("LUMACAP_SESSION_USER").empty()) {
            run({"chown", "-R", env("LUMACAP_SESSION_USER"), folder.string()});
        }
        home = folder.string();
        scratch = (folder / "paste.png").string();
        program = (folder / "Lumacap").string();
        pid = spawn(asUser({program, "--tray"}, home), "/dev/null");
        waitFor([this] { return up(); }, 20);
    }
    ~RunningCopy() {
        stop(pid);
        fs::remove_all(folder);
    }
    bool up() const {
        std::error_code error;
        const fs::path sockets = fs::path(env("XDG_RUNTIME_DIR")) / "lumacap";
        for (const auto& e : fs::directory_iterator(sockets, error)) {
            if (e.path().extension() == ".socket") {
                return true;
            }
        }
        return false;
    }
    bool paste() const {
        return run(asUser({"wl-paste", "-n", "-t", "image/png"}, home), scratch) == 0 &&
               readFile(scratch).rfind("\x89PNG", 0) == 0;
    }
    // Waits until the clipboard gives a PNG picture; false after 10 seconds.
    bool pollForPicture() const {
        const auto start = Clock::now();
        while (secondsSince(start) < 10) {
            if (paste()) {
                return true;
            }
        }
        return false;
    }
    void clear() const { run(asUser({"wl-copy", "--clear"}, home)); }

    fs::path folder;
    std::string home, scratch, program;
    pid_t pid = 0;
};

void BM_WaylandScreenCopyByCommandAgainstPortalAndPaste(benchmark::State& state) {
    if (env("WAYLAND_DISPLAY").empty()) {
        state.SkipWithError("not on a Wayland desktop (private_desktop.sh --wayland)");
        return;
    }
    static RunningCopy copy;
    // A first copy wakes the portal and leaves the picture that the floor's paste moves.
    copy.clear();
    run(asUser({copy.program, "--capture=screen", "--copy"}, copy.home));
    if (!copy.pollForPicture()) {
        state.SkipWithError("no picture reached the clipboard");
        return;
    }
    const std::string answer = (copy.folder / "portal-ms").string();
    std::vector<double> portalTimes, pasteTimes, floorTimes, copyTimes;
    for (auto _ : state) {
        if (run(asUser({(copy.folder / "portal_shot").string()}, copy.home), answer) != 0) {
            state.SkipWithError("the portal gave no picture");
            break;
        }
        portalTimes.push_back(std::stod(readFile(answer)) / 1e3);
        auto t = Clock::now();
        copy.paste();
        pasteTimes.push_back(secondsSince(t));
        floorTimes.push_back(portalTimes.back() + pasteTimes.back());

        copy.clear();
        // A key pressed on a quiet screen: the last copy's notice (one second) is gone.
        std::this_thread::sleep_for(std::chrono::milliseconds(1100));
        t = Clock::now();
        run(asUser({copy.program, "--capture=screen", "--copy"}, copy.home));
        if (!copy.pollForPicture()) {
            state.SkipWithError("no picture reached the clipboard");
            break;
        }
        copyTimes.push_back(secondsSince(t));
        state.SetIterationTime(copyTimes.back());
    }
    state.counters["portal_ms"] = median(portalTimes) * 1e3;
    state.counters["paste_ms"] = median(pasteTimes) * 1e3;
    state.counters["floor_ms"] = median(floorTimes) * 1e3;
    state.counters["lumacap_ms"] = median(copyTimes) * 1e3;
    state.counters["x_floor"] = median(copyTimes) / median(floorTimes);
}

BENCHMARK(BM_WaylandScreenCopyByCommandAgainstPortalAndPaste)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(15);

}  // namespace

BENCHMARK_MAIN();
