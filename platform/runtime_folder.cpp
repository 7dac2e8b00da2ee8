#include "platform/runtime_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace platform {

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool ownPrivateFolder(const struct stat& st) {
    return S_ISDIR(st.st_mode) && st.st_uid == getuid() && (st.st_mode & 077) == 0;
}

// `path` as a folder of this user's that only they can enter, made if missing.
bool ensurePrivateFolder(const std::string& path, std::string* reason) {
    if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) {
        *reason = "não foi possível criar a pasta " + path + ": " + std::strerror(errno);
        return false;
    }
    struct stat st {};
    // lstat: a link planted under that name must not lead us elsewhere.
    if (lstat(path.c_str(), &st) != 0) {
        *reason = "não foi possível ler a pasta " + path + ": " + std::strerror(errno);
        return false;
    }
    if (!ownPrivateFolder(st)) {
        *reason = "a pasta " + path + " não é só deste usuário";
        return false;
    }
    return true;
}

bool usableRuntimeDir(const std::string& dir) {
    struct stat st {};
    return !dir.empty() && lstat(dir.c_str(), &st) == 0 && ownPrivateFolder(st);
}

bool safeInName(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '.' || c == '-';
}

}  // namespace

std::string privateRuntimeFolder(std::string* reason) {
    const std::string runtime = environment("XDG_RUNTIME_DIR");
    const std::string folder = usableRuntimeDir(runtime)
                                   ? runtime + "/lumacap"
                                   : "/tmp/lumacap-" + std::to_string(getuid());
    return ensurePrivateFolder(folder, reason) ? folder : std::string();
}

std::string displayKey() {
    std::string display = environment("DISPLAY");
    std::string kind = "x11";
    if (display.empty()) {
        display = environment("WAYLAND_DISPLAY");
        kind = "wayland";
    }
    if (display.empty()) {
        return "none";
    }
    if (kind == "x11") {
        // ":0" and ":0.0" are the same display; the screen number does not part them.
        const size_t dot = display.find_last_of('.');
        if (dot != std::string::npos && dot + 1 < display.size() &&
            display.find_first_not_of("0123456789", dot + 1) == std::string::npos) {
            display.erase(dot);
        }
    }
    // Every run of other characters becomes one dash; none leads.
    std::string name;
    for (const char c : display) {
        if (safeInName(c)) {
            name += c;
        } else if (!name.empty() && name.back() != '-') {
            name += '-';
        }
    }
    const size_t first = name.find_first_not_of('-');
    return kind + '-' + (first == std::string::npos ? std::string() : name.substr(first));
}

}  // namespace platform
