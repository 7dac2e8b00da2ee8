// `Lumacap`: the program users start. It reads the arguments and settles who is the running
// copy with nothing but Qt Core loaded, so that a second start hands its work over in a few
// milliseconds; a start that is to become the running copy goes on as `lumacap-gui`, which
// replaces this process (same process id, same arguments, the lock still held). It lies beside
// `lumacap-gui` in the portable layout, and is /usr/bin/lumacap in the system one.
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/single_instance.h"
#include "app/start_steps.h"
#include "platform/program_layout.h"

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
    ::setenv(start_steps::kHandOffVariable, instance.handOff().constData(), 1);
    const QString self = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    const QByteArray program =
        QFile::encodeName(platform::guiProgramBeside(QFileInfo(self).absolutePath()));
    ::execv(program.constData(), argv);
    std::fprintf(stderr, "Lumacap: não foi possível iniciar %s: %s.\n", program.constData(),
                 std::strerror(errno));
    return 1;
}
