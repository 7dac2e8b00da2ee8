#pragma once

// The installed program driven from outside, as a user or a key binding drives it: a copy in a
// folder of its own (with its data folders and its own runtime folder), the helpers run as
// child processes, and what they print read back.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace outside {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

inline double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

inline double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// Starts a program; its output goes to `out`. The process id, or -1.
inline pid_t spawn(const std::vector<std::string>& args, const std::string& out = "/dev/null") {
    std::vector<char*> argv;
    for (const auto& a : args) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&files, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &files, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&files);
    return spawned == 0 ? pid : -1;
}

// Runs a program to its end; its exit status (-1 when it could not run).
inline int run(const std::vector<std::string>& args, const std::string& out = "/dev/null") {
    const pid_t pid = spawn(args, out);
    if (pid < 0) {
        return -1;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// What a program prints.
inline std::string output(const std::vector<std::string>& args, const std::string& scratch) {
    return run(args, scratch) == 0 ? readFile(scratch) : std::string();
}

// Someone else copies a word: the clipboard no longer holds a picture. The xclip left serving
// it ends when the next program takes the clipboard.
inline void takeClipboard() {
    run({"sh", "-c", "printf x | xclip -selection clipboard -quiet >/dev/null 2>&1 & sleep 0.05"});
}

// Whether the clipboard offers a PNG picture now.
inline bool clipboardOffersPicture(const std::string& scratch) {
    return output({"xclip", "-selection", "clipboard", "-t", "TARGETS", "-o"}, scratch)
               .find("image/png") != std::string::npos;
}

// Waits until the clipboard offers a picture; false after 10 seconds.
inline bool waitForPictureOffer(const std::string& scratch) {
    const auto start = Clock::now();
    while (secondsSince(start) < 10) {
        if (clipboardOffersPicture(scratch)) {
            return true;
        }
    }
    return false;
}

// Waits until a paste of the clipboard's PNG gives one; false after 10 seconds.
inline bool waitForPaste(const std::string& scratch) {
    const auto start = Clock::now();
    while (secondsSince(start) < 10) {
        if (output({"xclip", "-selection", "clipboard", "-t", "image/png", "-o"}, scratch)
                .rfind("\x89PNG", 0) == 0) {
            return true;
        }
    }
    return false;
}

// A copy of the built program in a folder of its own, started with `args`; ended and removed
// with this object.
class Program {
public:
    explicit Program(const std::string& tag, const std::vector<std::string>& args = {}) {
        folder_ = fs::temp_directory_path() / ("lumacap-" + tag + "-" + std::to_string(getpid()));
        fs::remove_all(folder_);
        fs::copy(LUMACAP_DATA_DIR, folder_, fs::copy_options::recursive);
        fs::copy_file(LUMACAP_BINARY, folder_ / "Lumacap");
        fs::copy_file(LUMACAP_GUI, folder_ / "lumacap-gui");
        fs::copy_file(LUMACAP_HELPER, folder_ / "lumacap-clipboard");
        fs::create_directory(folder_ / "run");
        chmod((folder_ / "run").c_str(), 0700);
        setenv("XDG_RUNTIME_DIR", (folder_ / "run").c_str(), 1);
        std::vector<std::string> all{path()};
        all.insert(all.end(), args.begin(), args.end());
        pid_ = spawn(all);
        const auto start = Clock::now();
        while (!listening() && secondsSince(start) < 20) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }
    ~Program() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
        fs::remove_all(folder_);
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    std::string path() const { return (folder_ / "Lumacap").string(); }
    std::string scratch(const std::string& name) const { return (folder_ / name).string(); }
    pid_t pid() const { return pid_; }
    // The running copy answers second starts once its socket is there.
    bool listening() const {
        std::error_code error;
        for (const auto& e : fs::directory_iterator(folder_ / "run" / "lumacap", error)) {
            if (e.path().extension() == ".socket") {
                return true;
            }
        }
        return false;
    }

private:
    fs::path folder_;
    pid_t pid_ = -1;
};

}  // namespace outside
