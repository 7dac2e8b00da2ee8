// `lumacap-start`: the starts `Lumacap` could not settle alone. It reads the arguments and
// settles who is the running copy with nothing but Qt Core loaded, so that a second start hands
// its work over in a few milliseconds; a start that is to become the running copy after all (the
// running copy ended meanwhile, or this one runs without the one-copy guard) goes on as
// `lumacap-gui`, which replaces this process (same process id, same arguments, the lock still
// held).
#include <unistd.h>

#include <QByteArray>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/instance_handoff.h"
#include "app/single_instance.h"
#include "app/start_steps.h"
#include "platform/private_program.h"

int main(int argc, char* argv[]) {
    const start_steps::Reading reading = start_steps::readArguments(argc, argv);
    if (!reading.command) {
        return reading.status;
    }
    SingleInstance instance;
    QString problem;
    const SingleInstance::Role role = instance.settle(&problem);
    if (role == SingleInstance::Role::Second) {
        return start_steps::handOver(instance, reading, problem);
    }
    if (role == SingleInstance::Role::Alone) {
        start_steps::warnAlone(problem);
    }
    ::setenv(instance_handoff::kVariable, instance.handOff().constData(), 1);
    const std::string program = platform::privateProgram(platform::ownFolder(), "lumacap-gui");
    ::execv(program.c_str(), argv);
    std::fprintf(stderr, "Lumacap: não foi possível iniciar %s: %s.\n", program.c_str(),
                 std::strerror(errno));
    return 1;
}
