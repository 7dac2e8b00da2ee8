#pragma once

// Programs started and timed from outside, for the benchmarks that drive a running copy.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

extern char** environ;

namespace bench_process {

using Clock = std::chrono::steady_clock;

inline double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

inline double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// Starts a program (looked up on PATH) with its output going to `out`; its id, or -1.
inline pid_t spawn(const std::vector<std::string>& args, const std::string& out = "/dev/null") {
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

// Runs a program to its end; its output goes to `out` (or nowhere). Its exit status.
inline int run(const std::vector<std::string>& args, const std::string& out = "/dev/null") {
    const pid_t pid = spawn(args, out);
    if (pid < 0) {
        return -1;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Waits (polling every 50 ms) until `ready` holds; false after `seconds`.
template <class Ready>
bool waitFor(Ready ready, double seconds) {
    const auto start = Clock::now();
    while (!ready()) {
        if (secondsSince(start) >= seconds) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

// Ends a program this benchmark started, and waits for it.
inline void stop(pid_t pid) {
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}

// A folder of its own for the running copy of a benchmark named `name`: the data folders, the
// program's own three programs and each of `helpers` (built file, name beside the program).
inline std::filesystem::path programFolder(
    const std::string& name, const std::vector<std::pair<std::string, std::string>>& helpers) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / (name + "-" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::copy(LUMACAP_DATA_DIR, folder, fs::copy_options::recursive);
    std::vector<std::pair<std::string, std::string>> programs{{LUMACAP_BINARY, "Lumacap"},
                                                              {LUMACAP_START, "lumacap-start"},
                                                              {LUMACAP_GUI, "lumacap-gui"}};
    programs.insert(programs.end(), helpers.begin(), helpers.end());
    for (const auto& [built, beside] : programs) {
        fs::copy_file(built, folder / beside);
    }
    return folder;
}

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace bench_process
