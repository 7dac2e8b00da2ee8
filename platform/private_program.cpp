#include "platform/private_program.h"

#include <limits.h>
#include <unistd.h>

namespace platform {

std::string ownFolder() {
    char self[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0) {
        return {};
    }
    const std::string path(self, static_cast<size_t>(length));
    return path.substr(0, path.find_last_of('/'));
}

std::string privateProgram(const std::string& commandDir, const char* name) {
    const std::string beside = commandDir + '/' + name;
    if (access(beside.c_str(), F_OK) == 0) {
        return beside;
    }
    return commandDir + '/' + LUMACAP_PROGRAMS_FROM_COMMAND + '/' + name;
}

}  // namespace platform
