// `Lumacap`: the program users start. With nothing but the C library loaded it takes the lock
// of the one running copy; a start that gets it goes on at once as `lumacap-gui`, which replaces
// this process (same process id, same arguments, the lock still held) and reads the arguments.
// Every other start (a copy runs already, or this user's folder for it cannot be used) goes on
// as `lumacap-start`, which settles it with the arguments read. It lies beside those programs in
// the portable layout, and is /usr/bin/lumacap in the system one.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/instance_handoff.h"
#include "platform/instance_lock.h"
#include "platform/private_program.h"

namespace {

int goOnAs(const char* name, char* argv[]) {
    const std::string program = platform::privateProgram(platform::ownFolder(), name);
    ::execv(program.c_str(), argv);
    std::fprintf(stderr, "Lumacap: não foi possível iniciar %s: %s.\n", program.c_str(),
                 std::strerror(errno));
    return 1;
}

}  // namespace

int main(int, char* argv[]) {
    std::string reason;
    if (const auto place = instance_handoff::place(&reason)) {
        platform::InstanceLock lock(place->lock);
        if (lock.tryLock(&reason)) {
            const std::string settled = instance_handoff::text({lock.handOff(), place->socket});
            ::setenv(instance_handoff::kVariable, settled.c_str(), 1);
            return goOnAs("lumacap-gui", argv);
        }
    }
    // The full settlement says why this start cannot be the running copy, and acts on it.
    return goOnAs("lumacap-start", argv);
}
