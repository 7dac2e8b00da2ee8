#include "app/instance_handoff.h"

#include <cerrno>
#include <cstdlib>

#include "platform/runtime_folder.h"

namespace instance_handoff {

std::optional<Place> place(std::string* reason) {
    const std::string folder = platform::privateRuntimeFolder(reason);
    if (folder.empty()) {
        return std::nullopt;
    }
    const std::string base = folder + '/' + platform::displayKey();
    return Place{base + ".lock", base + ".socket"};
}

std::string text(const First& first) {
    return "first " + std::to_string(first.lockDescriptor) + ' ' + first.socket;
}

std::optional<First> parse(const std::string& text) {
    const std::string head = "first ";
    if (text.compare(0, head.size(), head) != 0) {
        return std::nullopt;
    }
    const char* number = text.c_str() + head.size();
    if (*number < '0' || *number > '9') {
        return std::nullopt;
    }
    char* end = nullptr;
    errno = 0;
    const long fd = std::strtol(number, &end, 10);
    if (end == number || *end != ' ' || errno != 0 || fd < 0 || fd > 1 << 20 || !end[1]) {
        return std::nullopt;
    }
    return First{static_cast<int>(fd), std::string(end + 1)};
}

}  // namespace instance_handoff
