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

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

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

pid_t spawn(const std::vector<std::string>& args, const std::string& out) {
    std::vector<char*> argv;
    for (const auto& a : args) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&files, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &files, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&files);
    return spawned == 0 ? pid : -1;
}

int run(const std::vector<std::string>& args, const std::string& out = "/dev/null") {
    const pid_t pid = spawn(args, out);
    if (pid < 0) {
        return -1;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The running copy, from a folder of its own, in the tray.
struct RunningCopy {
    RunningCopy() {
        folder = fs::temp_directory_path() / ("lumacap-wayland-bench-" + std::to_string(getpid()));
        fs::remove_all(folder);
        fs::copy(LUMACAP_DATA_DIR, folder, fs::copy_options::recursive);
        fs::copy_file(LUMACAP_BINARY, folder / "Lumacap");
        fs::copy_file(LUMACAP_GUI, folder / "lumacap-gui");
        fs::copy_file(LUMACAP_HELPER, folder / "lumacap-wayland-clipboard");
        fs::copy_file(LUMACAP_BENCH_DIR "/portal_shot", folder / "portal_shot");
        if (!env("LUMACAP_SESSION_USER").empty()) {
            run({"chown", "-R", env("LUMACAP_SESSION_USER"), folder.string()});
        }
        home = folder.string();
        scratch = (folder / "paste.png").string();
        program = (folder / "Lumacap").string();
        pid = spawn(asUser({program, "--tray"}, home), "/dev/null");
        const auto start = Clock::now();
        while (!up() && secondsSince(start) < 20) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }
    ~RunningCopy() {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
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
