#pragma once

// The installed program driven from outside, as a user or a key binding drives it: a copy in a
// folder of its own (with its data folders and its own runtime folder), the helpers run as
// child processes, and what they print read back.
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "bench_process.h"

namespace outside {

namespace fs = std::filesystem;
using bench_process::Clock;
using bench_process::median;
using bench_process::readFile;
using bench_process::run;
using bench_process::secondsSince;
using bench_process::spawn;

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
        folder_ =
            bench_process::programFolder("lumacap-" + tag, {{LUMACAP_HELPER, "lumacap-clipboard"}});
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
