#pragma once

#include <QStringList>
#include <optional>

#include "app/command_line.h"

class SingleInstance;

// The first steps of every start, shared by `lumacap-start` (which settles, with Qt Core alone,
// the starts that find a running copy) and the program proper, `lumacap-gui`.
namespace start_steps {

// The arguments, read; --help, --version and bad arguments are answered on the terminal, and
// then `status` says how to end.
struct Reading {
    std::optional<CommandLine> command;  // resolved against the current folder
    QStringList arguments;
    int status = 0;
};
Reading readArguments(int argc, char* argv[]);

// A second start: hands the arguments to the running copy, prints its answer and returns the
// exit status. `problem` explains a running copy that could not be reached.
int handOver(SingleInstance& instance, const Reading& reading, const QString& problem);

// Says that this start runs without the one-copy guard, and why.
void warnAlone(const QString& problem);

}  // namespace start_steps
