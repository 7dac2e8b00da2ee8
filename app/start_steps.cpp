#include "app/start_steps.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>

#include "app/instance_client.h"
#include "app/single_instance.h"

namespace start_steps {

Reading readArguments(int argc, char* argv[]) {
    // The name the user typed: Lumacap in the portable folder, lumacap once installed.
    const QString command = argc > 0 ? QFileInfo(QString::fromLocal8Bit(argv[0])).fileName()
                                     : QStringLiteral("lumacap");
    Reading r;
    for (int i = 1; i < argc; ++i) {
        r.arguments << QString::fromLocal8Bit(argv[i]);
    }
    const auto parsed = command_line::parse(r.arguments);
    if (!parsed.command) {
        std::fprintf(stderr, "Lumacap: %s.\nVeja as opções com: %s --help\n",
                     parsed.error.toLocal8Bit().constData(), command.toLocal8Bit().constData());
        r.status = command_line::kUsageStatus;
        return r;
    }
    if (parsed.command->help || parsed.command->version) {
        std::fputs(
            (parsed.command->help ? command_line::helpText(command) : command_line::versionText())
                .toLocal8Bit()
                .constData(),
            stdout);
        return r;
    }
    r.command = parsed.command->resolvedAgainst(QDir::currentPath());
    return r;
}

int handOver(SingleInstance& instance, const Reading& reading, const QString& problem) {
    const int connection = instance.takeConnection();
    if (connection < 0) {
        std::fprintf(stderr, "Lumacap: %s.\n", problem.toLocal8Bit().constData());
        return 1;
    }
    const auto answer = askRunningCopy(connection, {QDir::currentPath(), reading.arguments},
                                       !reading.command->output.isEmpty());
    std::fputs(answer.out.toLocal8Bit().constData(), stdout);
    if (!answer.err.isEmpty()) {
        std::fprintf(stderr, "%s\n", answer.err.toLocal8Bit().constData());
    }
    return answer.status;
}

void warnAlone(const QString& problem) {
    std::fprintf(stderr, "Lumacap: %s; outra cópia poderá ser aberta junto desta.\n",
                 problem.toLocal8Bit().constData());
}

}  // namespace start_steps
